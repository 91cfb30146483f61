// The web build's window onto its widgets, for the browser tests: a page
// shows the form as pixels of a canvas, with no element a test could find.
// From the page's script,
//   Module.kurswaageWidget("Kurswaage", "pushButton_9")
// answers where that widget of that open window is on the page (in CSS
// pixels) and what it shows, or null. It only reads.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QWidget>

#include <emscripten/bind.h>

#include <string>

namespace {

using emscripten::val;

// The pictures in a text that load: the help's logo among them.
int picturesShown(const QTextBrowser *browser)
{
    int pictures = 0;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat()
                && !browser->document()
                        ->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                        .isNull())
                ++pictures;
        }
    }
    return pictures;
}

QString shownText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *spinBox = qobject_cast<const QAbstractSpinBox *>(widget))
        return spinBox->text();
    if (auto *comboBox = qobject_cast<const QComboBox *>(widget))
        return comboBox->currentText();
    if (auto *browser = qobject_cast<const QTextBrowser *>(widget))
        return browser->toPlainText();
    return widget->windowTitle();
}

val kurswaageWidget(const std::string &window, const std::string &name)
{
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (!topLevel->isVisible() || topLevel->objectName() != QLatin1String(window.c_str()))
            continue;
        QWidget *widget = topLevel->objectName() == QLatin1String(name.c_str())
            ? topLevel
            : topLevel->findChild<QWidget *>(QString::fromStdString(name));
        if (!widget)
            return val::null();
        const QRect shown(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        val answer = val::object();
        answer.set("x", shown.x());
        answer.set("y", shown.y());
        answer.set("width", shown.width());
        answer.set("height", shown.height());
        answer.set("text", widget->isWindow() ? topLevel->windowTitle().toStdString() : shownText(widget).toStdString());
        answer.set("enabled", widget->isEnabled());
        answer.set("visible", widget->isVisible());
        answer.set("focused", widget->hasFocus());
        answer.set("active", topLevel->isActiveWindow());
        if (auto *browser = qobject_cast<QTextBrowser *>(widget))
            answer.set("pictures", picturesShown(browser));
        return answer;
    }
    return val::null();
}

} // namespace

EMSCRIPTEN_BINDINGS(kurswaage_probe)
{
    emscripten::function("kurswaageWidget", &kurswaageWidget);
}
