# Installing and packaging Kurswaage; included from the top-level
# CMakeLists.txt once the program target exists.
#
# Installation: the program, its desktop entry and its icons in the hicolor
# theme, so that menus of the desktop list it under Education; the AppStream
# entry that software centres show; the manual pages (German and English),
# the copyright notice and the changelog.
include(GNUInstallDirs)
set(KURSWAAGE_MAINTAINER "Seed 066963de maintainers <maintainers@users.noreply.c-seed-066963de.example>")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/kurswaage)

install(TARGETS kurswaage RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Stripped (cmake --install --strip, and so the package) as dh_strip strips:
# without the compiler's .comment and .note sections as well.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kurswaage\")
endif()")
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${KURSWAAGE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kurswaage-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kurswaage.png)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/${KURSWAAGE_APP_ID}.metainfo.xml.in ${KURSWAAGE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${KURSWAAGE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${docdir})

# The manual page and the changelog carry version and date, and are
# compressed as Debian wants them: gzip -9, without name and time stamp.
execute_process(COMMAND date -u -R -d "${KURSWAAGE_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE KURSWAAGE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
configure_file(${PROJECT_SOURCE_DIR}/resources/man/kurswaage.1.in doc/kurswaage.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/man/kurswaage.de.1.in doc/de/kurswaage.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in doc/changelog @ONLY)
if(NOT failed)
    execute_process(COMMAND gzip -9nkf kurswaage.1 de/kurswaage.1 changelog WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/doc
                    RESULT_VARIABLE failed)
endif()
if(failed)
    message(FATAL_ERROR "date or gzip failed; they date and compress the manual page and the changelog")
endif()
install(FILES ${PROJECT_BINARY_DIR}/doc/kurswaage.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# German, as the program is: man kurswaage under a German locale
install(FILES ${PROJECT_BINARY_DIR}/doc/de/kurswaage.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
# The package is built from the project's own tree, a native package in
# Debian's terms: its changelog is changelog.gz, not changelog.Debian.gz.
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${docdir})

# Debian package: cpack -G DEB in the build tree, or the package target,
# makes kurswaage_<version>_<architecture>.deb. dpkg-shlibdeps finds the
# libraries it depends on; Qt's German texts, which the program loads when
# they are there, come recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kurswaage)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KURSWAAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Abiturrechner: prüft Zulassung, Prüfungen und Durchschnittsnote")
set(CPACK_PACKAGE_DESCRIPTION [[
Kurswaage, German for course scales, checks the Abitur, the German
upper-school leaving examination, step by step. A student types in the
grade points of ten to twelve subjects for the four course half-years
and the points of the examinations; the program lists the weak courses
and the average of each half-year, computes Block I and the admission
to the examinations, Block II and whether the examinations are passed,
and turns both blocks into the final grade, 1,0 to 4,0.

Every text of the program is German. It works offline, stores nothing
and sends nothing.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(QT_VERSION_MAJOR EQUAL 5)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qttranslations5-l10n)
else()
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
