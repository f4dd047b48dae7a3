# Installs the program with a desktop entry and an icon, so that it shows in a desktop's menu.
include(GNUInstallDirs)
install(TARGETS kelmo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/kelmo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/kelmo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
