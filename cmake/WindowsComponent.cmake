# The Windows build: the portable core and the Windows platform pieces, built into the
# in-process automation component Quiverstep.dll and the command-line program quiverstep.exe
# (and, with the tests, the Wine test doubles).
# libgcc and libstdc++ are linked in, so that the DLL and the program import only system DLLs.
add_link_options(-static -static-libgcc -static-libstdc++ $<$<NOT:$<CONFIG:Debug>>:-s>)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The entry points are stdcall; the .def names them undecorated.
    add_link_options(-Wl,--enable-stdcall-fixup)
endif()

# The header-only libraries of the host (CLI11, nlohmann/json, standalone Asio) are reached
# through a folder of links to just their trees: /usr/include itself on the include path
# would shadow mingw's own C headers.
set(QUIVERSTEP_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${QUIVERSTEP_HOST_HEADERS})
foreach(tree CLI nlohmann asio asio.hpp)
    if(EXISTS /usr/include/${tree} AND NOT EXISTS ${QUIVERSTEP_HOST_HEADERS}/${tree})
        file(CREATE_LINK /usr/include/${tree} ${QUIVERSTEP_HOST_HEADERS}/${tree} SYMBOLIC)
    endif()
endforeach()
if(NOT EXISTS ${QUIVERSTEP_HOST_HEADERS}/CLI/CLI.hpp)
    message(FATAL_ERROR "CLI11's headers are missing from /usr/include/CLI (Debian: libcli11-dev)")
endif()
add_library(quiverstep_host_headers INTERFACE)
target_include_directories(quiverstep_host_headers SYSTEM INTERFACE ${QUIVERSTEP_HOST_HEADERS})

add_subdirectory(engine)
add_subdirectory(log)
add_subdirectory(plugin)
add_subdirectory(settings)
add_subdirectory(night)
add_subdirectory(assess)
add_subdirectory(platform/windows)
add_subdirectory(app)
if(QUIVERSTEP_BUILD_TESTS)
    add_subdirectory(tests/windows)
endif()
