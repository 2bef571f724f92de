# A folder's static library: its sources, the folder as the root of its includes (or
# INCLUDE_ROOT), and what it links.
function(quiverstep_library target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "INCLUDE_ROOT" "SOURCES;PUBLIC;PRIVATE")
    if(NOT arg_INCLUDE_ROOT)
        set(arg_INCLUDE_ROOT ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    add_library(${target} STATIC ${arg_SOURCES})
    target_include_directories(${target} PUBLIC ${arg_INCLUDE_ROOT})
    target_link_libraries(${target} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
endfunction()

# The portable core that every platform builds, in the order of its layers: the engine, the
# guide log, the plug-in, the settings layer and the presenters of the windows, JSON, the
# simulated night, the assessment and the PHD2 bridge.
foreach(folder engine log plugin settings ui/presenters json night assess phd2 phd2net)
    add_subdirectory(${PROJECT_SOURCE_DIR}/${folder} ${folder})
endforeach()
