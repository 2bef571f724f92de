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
foreach(header CLI/CLI.hpp nlohmann/json.hpp asio.hpp)
    if(NOT EXISTS ${QUIVERSTEP_HOST_HEADERS}/${header})
        message(FATAL_ERROR "/usr/include/${header} is missing (Debian: libcli11-dev, "
                            "nlohmann-json3-dev, libasio-dev)")
    endif()
endforeach()
add_library(quiverstep_host_headers INTERFACE)
target_include_directories(quiverstep_host_headers SYSTEM INTERFACE ${QUIVERSTEP_HOST_HEADERS})
# find_package(nlohmann_json) gets the staged headers: Debian's own package file would put
# /usr/include on the path.
file(WRITE ${QUIVERSTEP_HOST_HEADERS}/cmake/nlohmann_jsonConfig.cmake
    "if(NOT TARGET nlohmann_json::nlohmann_json)\n"
    "    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)\n"
    "    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES\n"
    "        INTERFACE_INCLUDE_DIRECTORIES ${QUIVERSTEP_HOST_HEADERS})\n"
    "endif()\n")
file(COPY_FILE /usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake
    ${QUIVERSTEP_HOST_HEADERS}/cmake/nlohmann_jsonConfigVersion.cmake ONLY_IF_DIFFERENT)
set(nlohmann_json_DIR ${QUIVERSTEP_HOST_HEADERS}/cmake CACHE PATH "The staged nlohmann/json" FORCE)

include(cmake/PortableCore.cmake)
# The bridge's sockets as Windows XP has them, so that quiverstep.exe imports nothing newer.
# With mingw, Asio decides whether it has threads by whether a header included before it
# (pthread.h) defined _POSIX_THREADS; files that include it in another order would build
# Asio's classes with other members and crash. One decision for every file.
target_compile_definitions(quiverstep_phd2net PUBLIC _WIN32_WINNT=0x0501 ASIO_HAS_THREADS=1)
target_link_libraries(quiverstep_phd2net PUBLIC quiverstep_host_headers)
add_subdirectory(platform/windows)
add_subdirectory(app)
if(QUIVERSTEP_BUILD_TESTS)
    add_subdirectory(tests/windows)
endif()
