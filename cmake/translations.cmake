# The windows in the user's language: lrelease turns translations/*.ts into
# catalogues built into the window library; the target update_translations
# runs lupdate over the sources, so new texts land in every catalogue.
# lupdate and lrelease come with qt6-l10n-tools alone (Qt's CMake functions
# for them would need Designer, Assistant and libclang as well).
set(SONDRAKE_LANGUAGES de es fr ja pt_BR ru)

find_program(SONDRAKE_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
             REQUIRED)
find_program(SONDRAKE_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}
             /usr/lib/qt6/bin REQUIRED)

function(sondrake_translations target)
    set(catalogues)
    set(sources)
    foreach(language ${SONDRAKE_LANGUAGES})
        set(source ${PROJECT_SOURCE_DIR}/translations/trelvin-sondrake_${language}.ts)
        set(catalogue ${CMAKE_CURRENT_BINARY_DIR}/i18n/trelvin-sondrake_${language}.qm)
        add_custom_command(OUTPUT ${catalogue}
                           COMMAND ${SONDRAKE_LRELEASE} -silent ${source} -qm ${catalogue}
                           DEPENDS ${source} VERBATIM)
        list(APPEND catalogues ${catalogue})
        list(APPEND sources ${source})
    endforeach()
    qt_add_resources(${target} translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
                     FILES ${catalogues})
    # The window texts and the core's texts the windows show.
    add_custom_target(update_translations
                      COMMAND ${SONDRAKE_LUPDATE} -silent -locations none -no-obsolete
                              ${PROJECT_SOURCE_DIR}/src -ts ${sources}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endfunction()
