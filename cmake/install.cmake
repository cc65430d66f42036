# Installed layout: the program, L3ENC and the window library side by side in
# a private directory (the program finds its encoder and windows beside
# itself), links on the PATH (trelvin-sondrake and L3ENC), the desktop entry
# and metainfo under the program's id, icons, man pages and the package's
# documents.
include(GNUInstallDirs)
set(SONDRAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/trelvin-sondrake)
set(SONDRAKE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/trelvin-sondrake)

# Who the package names, and what it says about rights and its home; the
# defaults invent no real person, company or address: set them to publish.
set(SONDRAKE_MAINTAINER "Trelvin Sondrake maintainers <maintainers@trelvinsondrake.invalid>"
    CACHE STRING "Package maintainer, as a name and mail address")
set(SONDRAKE_HOMEPAGE "https://trelvinsondrake.invalid" CACHE STRING
    "Home page; the metainfo's screenshots are doc/*.png below it")
set(SONDRAKE_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX licence of the program")
set(SONDRAKE_LICENSE_TEXT "All rights reserved." CACHE STRING "The licence's text, one line")

install(TARGETS encoder L3ENC RUNTIME DESTINATION ${SONDRAKE_INSTALL_DIR})
install(TARGETS sondrake_ui LIBRARY DESTINATION ${SONDRAKE_INSTALL_DIR})
install(FILES data/${SONDRAKE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(data/${SONDRAKE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/data/${SONDRAKE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${SONDRAKE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128)
    install(FILES data/icons/${size}x${size}/trelvin-sondrake.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES src/ui/icons/trelvin-sondrake.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# Compressed as Debian wants them: no time stamp, so builds are reproducible.
function(sondrake_gzip source destination)
    get_filename_component(name ${source} NAME)
    set(zipped ${CMAKE_BINARY_DIR}/gz/${name}.gz)
    add_custom_command(OUTPUT ${zipped}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gz
                       COMMAND gzip -9nc ${source} > ${zipped}
                       DEPENDS ${source} VERBATIM)
    install(FILES ${zipped} DESTINATION ${destination})
    set(SONDRAKE_ZIPPED ${SONDRAKE_ZIPPED} ${zipped} PARENT_SCOPE)
endfunction()
sondrake_gzip(${CMAKE_SOURCE_DIR}/doc/man/trelvin-sondrake.1 ${CMAKE_INSTALL_MANDIR}/man1)
sondrake_gzip(${CMAKE_SOURCE_DIR}/doc/man/L3ENC.1 ${CMAKE_INSTALL_MANDIR}/man1)
sondrake_gzip(${CMAKE_SOURCE_DIR}/data/changelog ${SONDRAKE_DOC_DIR})
add_custom_target(compressed_documents ALL DEPENDS ${SONDRAKE_ZIPPED})
configure_file(data/copyright.in ${CMAKE_BINARY_DIR}/data/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/copyright DESTINATION ${SONDRAKE_DOC_DIR})

# Commands on the PATH: links to the private directory's files, relative so
# the installed tree can move; the prefix is the one given at install time.
function(sondrake_command_link command file)
    file(RELATIVE_PATH target "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${SONDRAKE_INSTALL_DIR}/${file}")
    install(CODE "
        set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bin}\")
        message(STATUS \"Installing: \${bin}/${command} -> ${target}\")
        file(CREATE_LINK ${target} \"\${bin}/${command}\" SYMBOLIC)
    ")
endfunction()
sondrake_command_link(trelvin-sondrake encoder)
sondrake_command_link(L3ENC L3ENC) # its manual page speaks of the command
