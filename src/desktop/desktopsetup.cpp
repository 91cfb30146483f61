#include "desktopsetup.h"

#include "accessiblewindow.h"
#include "captionfit.h"
#include "screenfit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

void prepareDesktopDefaults()
{
    // The GL integration would load the system's GL driver (on a software
    // renderer, LLVM with it) for nothing: it costs a third of the start.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6's defaults. QT_ENABLE_HIGHDPI_SCALING=0 and
    // QT_SCALE_FACTOR_ROUNDING_POLICY still override both.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif

    // Lets docks and task bars (on Wayland above all) find the window's
    // desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KURSWAAGE_APP_ID));
}

bool installGermanQtTexts(QCoreApplication &application)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const QString directory = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#else
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    auto *translator = new QTranslator(&application);
    // A Windows machine has no folder of Qt translations: there the program
    // carries the German texts in its resources.
    if (!translator->load(QStringLiteral("qtbase_de"), directory)
        && !translator->load(QStringLiteral("qtbase_de"), QStringLiteral(":/translations"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void settleIntoDesktop(QWidget *window)
{
    keepCaptionsWhole(window);
    makeAccessible(window);
    fitIntoScreen(window);
}
