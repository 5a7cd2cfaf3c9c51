# Reference data is compiled into nutrova_core, pictures into nutrova_ui; help and
# flash pages are copied beside the executable, where the program reads them.
set(NUTROVA_RES ${CMAKE_SOURCE_DIR}/resources)

file(GLOB NUTROVA_SEED_FILES CONFIGURE_DEPENDS ${NUTROVA_RES}/data/*.csv)
qt_add_resources(nutrova_core "nutrova_seed" PREFIX "/" BASE ${NUTROVA_RES}
                 FILES ${NUTROVA_SEED_FILES})

file(GLOB NUTROVA_IMAGE_FILES CONFIGURE_DEPENDS ${NUTROVA_RES}/images/*.svg)
qt_add_resources(nutrova_ui "nutrova_images" PREFIX "/" BASE ${NUTROVA_RES}
                 FILES ${NUTROVA_IMAGE_FILES})

add_custom_target(nutrova_program_files ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${NUTROVA_RES}/help ${NUTROVA_PROGRAM_DIR}/help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${NUTROVA_RES}/flash ${NUTROVA_PROGRAM_DIR}/flash
    COMMENT "Copying help and flash pages into the program folder")
