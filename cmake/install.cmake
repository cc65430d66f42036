# Installed layout: the program, L3ENC and the window library side by side in
# a private directory (the program finds its encoder and windows beside
# itself), a link on the PATH, a desktop entry and an icon.
include(GNUInstallDirs)
set(SONDRAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/trelvin-sondrake)

install(TARGETS encoder L3ENC RUNTIME DESTINATION ${SONDRAKE_INSTALL_DIR})
install(TARGETS sondrake_ui LIBRARY DESTINATION ${SONDRAKE_INSTALL_DIR})
install(FILES data/${SONDRAKE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES src/ui/icons/trelvin-sondrake.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
# The link is relative, so the installed tree can move; the prefix is the one
# given at install time.
file(RELATIVE_PATH SONDRAKE_LINK_TARGET "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${SONDRAKE_INSTALL_DIR}/encoder")
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    message(STATUS \"Installing: \${bin}/trelvin-sondrake -> ${SONDRAKE_LINK_TARGET}\")
    file(CREATE_LINK ${SONDRAKE_LINK_TARGET} \"\${bin}/trelvin-sondrake\" SYMBOLIC)
")
