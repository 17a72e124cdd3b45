# Desktop integration: the menu entry, the icon and the software-centre description, all under the
# application id so that desktops and software centres can tie them together.
set(TAROLAS_APP_ID hu.tarolas.tarolas)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TAROLAS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TAROLAS_APP_ID}.svg)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TAROLAS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
