# Installs the build in BUILD_DIR into a scratch prefix and checks that the
# program, a valid desktop entry and the icons land where desktops look.
set(prefix "${BUILD_DIR}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/kurswaage share/applications/${APP_ID}.desktop
             share/icons/hicolor/32x32/apps/kurswaage.png share/icons/hicolor/48x48/apps/kurswaage.png
             share/icons/hicolor/256x256/apps/kurswaage.png share/man/de/man1/kurswaage.1.gz)
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
execute_process(COMMAND "${VALIDATOR}" "${prefix}/share/applications/${APP_ID}.desktop" RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "desktop-file-validate refused the desktop entry")
endif()
