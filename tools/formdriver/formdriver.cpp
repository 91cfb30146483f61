#include "formdriver.h"

#include "hilfe.h"
#include "kurswaage.h"
#include "mainform.h"
#include "muendlichenachpruefung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

namespace formdriver {

QWidget *findWidget(const QWidget *parent, const char *name, const QMetaObject &type)
{
    QWidget *widget = parent->findChild<QWidget *>(QLatin1String(name));
    if (!widget || !type.cast(widget))
        qFatal("no %s called %s", type.className(), name);
    return widget;
}

QDialog *createWindow(const QString &className)
{
    if (className == QLatin1String("Hilfe"))
        return new Hilfe;
    if (className == QLatin1String("muendlicheNachpruefung"))
        return new muendlicheNachpruefung;
    Q_ASSERT(className == QLatin1String("Kurswaage"));
    return new Kurswaage;
}

void click(QWidget *window, const char *button)
{
    find<QAbstractButton>(window, button)->click();
}

void workThroughExample(QWidget *form)
{
    click(form, "pushButton_9");  // Beispiel
    for (const mainform::HalfYearColumn &column : mainform::kColumns)
        click(form, column.check);
    click(form, "pushButton_5");  // Abiturprüfung
    click(form, "pushButton");    // Berechnen
}

QList<std::pair<QColor, QString>> listLines(const QWidget *window, const char *list)
{
    QList<std::pair<QColor, QString>> lines;
    const QTextDocument *document = find<QTextBrowser>(window, list)->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty())
            lines.append({block.begin().fragment().charFormat().foreground().color(), block.text()});
    }
    return lines;
}

QString calculateOral(QWidget *calculator, int written, int reexamination)
{
    find<QSpinBox>(calculator, "spinBox")->setValue(written);
    find<QSpinBox>(calculator, "spinBox_2")->setValue(reexamination);
    click(calculator, "pushButton_4");  // errechnen
    return find<QLabel>(calculator, "label_5")->text();
}

bool withModalDialog(const std::function<void()> &open, const std::function<void(QWidget *)> &inDialog)
{
    // A timer of this call's own: it cannot fire after the call, should
    // `open` not have waited in an event loop.
    bool closed = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            inDialog(dialog);
            closed = !dialog->isVisible();
            dialog->close();  // should a failed check have left it open
        }
    });
    timer.start(0);
    open();
    return closed;
}

QPalette darkPalette()
{
    const QColor text(0xee, 0xee, 0xee), disabledText(0x80, 0x80, 0x80);
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(role, text);
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    return palette;
}

}  // namespace formdriver
