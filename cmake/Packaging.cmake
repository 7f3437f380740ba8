# The portable ZIP and the per-user installer: the program, the converter and the guide beside it
# and a Kvizar folder with the sample test.
install(TARGETS kvizar kvizar-convert RUNTIME DESTINATION .)
install(FILES ${KVIZAR_GUIDE} DESTINATION .)
install(FILES ${KVIZAR_SAMPLE_TEST} DESTINATION Kvizar)

set(CPACK_PACKAGE_NAME "Kvizar2004")
set(CPACK_PACKAGE_VENDOR "Tým Kvizar 2004")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kvizar 2004: tvorba a spouštění testů s výběrem odpovědí")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Kvizar 2004")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Kvizar2004")
set(CPACK_SYSTEM_NAME "win32")
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_NSIS_PACKAGE_NAME "Kvizar 2004")
set(CPACK_NSIS_DISPLAY_NAME "Kvizar 2004")
set(CPACK_NSIS_MUI_ICON "${CMAKE_SOURCE_DIR}/res/kvizar.ico")
set(CPACK_NSIS_MUI_UNIICON "${CMAKE_SOURCE_DIR}/res/kvizar.ico")
# The commit's time on every file packed (cmake/PackageDates.cmake).
set(CPACK_KVIZAR_SOURCE_DIR "${CMAKE_SOURCE_DIR}")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_SOURCE_DIR}/cmake/PackageDates.cmake")
# Our own installer script (cmake/NSIS.template.in): per user, no elevation.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_SOURCE_DIR}/cmake)
include(CPack)
