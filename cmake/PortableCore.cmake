# The portable core that every platform builds, in the order of its layers: the engine, the
# guide log, the plug-in, the settings layer and the presenters of the windows, JSON, the
# simulated night, the assessment and the PHD2 bridge.
foreach(folder engine log plugin settings ui/presenters json night assess phd2 phd2net)
    add_subdirectory(${PROJECT_SOURCE_DIR}/${folder} ${folder})
endforeach()
