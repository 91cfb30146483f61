# The site of the web build, in dist/ of the build folder: a page of static
# files any web server can host. See tools/assemble_site.py.
find_program(KURSWAAGE_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
find_program(KURSWAAGE_BROTLI brotli REQUIRED)
# The digest of Qt's own style sheet, which the page's security policy allows
# (scripts/build-web-qt notes it beside Qt).
file(STRINGS ${QT6_INSTALL_PREFIX}/style-digest KURSWAAGE_QT_STYLE_DIGEST LIMIT_COUNT 1)
add_custom_target(site ALL
    COMMAND ${KURSWAAGE_PYTHON3} ${PROJECT_SOURCE_DIR}/tools/assemble_site.py
            --program kurswaage --built $<TARGET_FILE_DIR:kurswaage>
            --resources ${PROJECT_SOURCE_DIR}/resources --style-digest ${KURSWAAGE_QT_STYLE_DIGEST}
            --licence LICENSE.txt=${PROJECT_SOURCE_DIR}/LICENSE
            --out ${PROJECT_BINARY_DIR}/dist
    DEPENDS kurswaage ${PROJECT_SOURCE_DIR}/tools/assemble_site.py
    COMMENT "Putting the site together in dist/"
    VERBATIM)

# puppeteer-core for the browser tests and the benchmark; scripts/build-web
# installs it into the build folder.
set(KURSWAAGE_NODE_MODULES "" CACHE PATH "node_modules folder holding puppeteer-core")
