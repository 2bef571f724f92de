# The Windows build: the portable core and the Windows platform pieces, built into the
# in-process automation component Quiverstep.dll (and, with the tests, the Wine test doubles).
# libgcc and libstdc++ are linked in, so that the DLL imports only system DLLs.
add_link_options(-static -static-libgcc -static-libstdc++ $<$<NOT:$<CONFIG:Debug>>:-s>)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The entry points are stdcall; the .def names them undecorated.
    add_link_options(-Wl,--enable-stdcall-fixup)
endif()

add_subdirectory(engine)
add_subdirectory(plugin)
add_subdirectory(log)
# TRANSITION: the core's POSIX pieces, until they move out of it.
foreach(target_and_source quiverstep_engine:UserPaths.cpp quiverstep_log:SystemClock.cpp)
    string(REPLACE ":" ";" pair ${target_and_source})
    list(GET pair 0 target)
    list(GET pair 1 source)
    get_target_property(sources ${target} SOURCES)
    list(REMOVE_ITEM sources ${source})
    set_target_properties(${target} PROPERTIES SOURCES "${sources}")
endforeach()
add_subdirectory(ui/logic)
add_subdirectory(platform/windows)
if(QUIVERSTEP_BUILD_TESTS)
    add_subdirectory(tests/windows)
endif()
