# Installing and packaging Kurswaage for Windows; included from the
# top-level CMakeLists.txt once the program target exists.
#
# Installed, and in the installer: kurswaage.exe, which runs by itself, and
# beside it the licences: Kurswaage's, Qt's with where its exact source
# comes from, and those of the third-party code that Qt links in.
#   cmake --install build-windows --strip --prefix <folder>
#   cpack -B <folder> in build-windows: Kurswaage-<version>-win64.exe
set(qt_prefix ${KURSWAAGE_WINDOWS_QT})
foreach(notice debian-source LICENSE.LGPLv3 THIRD-PARTY-NOTICES.txt)
    if(NOT EXISTS ${qt_prefix}/${notice})
        message(FATAL_ERROR "${qt_prefix}/${notice} is missing; KURSWAAGE_WINDOWS_QT must name a Qt that scripts/build-windows-qt built")
    endif()
endforeach()
file(STRINGS ${qt_prefix}/debian-source KURSWAAGE_QT_SOURCE LIMIT_COUNT 1)
set(KURSWAAGE_QT_VERSION ${Qt${QT_VERSION_MAJOR}Core_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/Qt-Lizenzhinweis.txt.in Qt-Lizenzhinweis.txt @ONLY)

install(TARGETS kurswaage RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${qt_prefix}/LICENSE.LGPLv3 DESTINATION . RENAME LICENSE.LGPLv3.txt)
install(FILES ${qt_prefix}/THIRD-PARTY-NOTICES.txt ${PROJECT_BINARY_DIR}/Qt-Lizenzhinweis.txt DESTINATION .)

# The installer: CPack's NSIS generator with a template of our own
# (cmake/windows/NSIS.template.in), which builds a 64-bit, per-user
# installer in German.
list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/windows)
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Kurswaage)
set(CPACK_PACKAGE_VENDOR Kurswaage)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(KURSWAAGE_INSTALLER Kurswaage-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${KURSWAAGE_INSTALLER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_MUI_ICON ${KURSWAAGE_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${KURSWAAGE_WINDOWS_ICON})
set(CPACK_STRIP_FILES ON)
# Windows' four-part version of the installer file itself
set(CPACK_KURSWAAGE_FILE_VERSION ${KURSWAAGE_FILE_VERSION})
include(CPack)
