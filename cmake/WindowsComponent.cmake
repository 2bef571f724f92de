# The Windows build: the portable core and the Windows platform pieces, built into the
# in-process automation component Quiverstep.dll (and, with the tests, the Wine test doubles).
# libgcc and libstdc++ are linked in, so that the DLL imports only system DLLs.
add_link_options(-static -static-libgcc -static-libstdc++ $<$<NOT:$<CONFIG:Debug>>:-s>)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The entry points are stdcall; the .def names them undecorated.
    add_link_options(-Wl,--enable-stdcall-fixup)
endif()

add_subdirectory(engine)
add_subdirectory(log)
add_subdirectory(plugin)
add_subdirectory(settings)
add_subdirectory(platform/windows)
if(QUIVERSTEP_BUILD_TESTS)
    add_subdirectory(tests/windows)
endif()
