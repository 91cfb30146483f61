// Kurswaage on the desktops students have, and for a screen reader and
// the keyboard: any font, light and dark colour schemes, Qt's own texts in
// German, F1 for help; every input and result of the three windows named
// apart, Return pressing the focused button, the mouse wheel changing only
// the field that has the focus.
#include "desktopsetup.h"
#include "formdriver.h"
#include "hilfe.h"
#include "kurswaage.h"
#include "muendlichenachpruefung.h"
#include "verdictcolours.h"
#include "ui_hilfe.h"
#include "ui_kurswaage.h"
#include "ui_muendlichenachpruefung.h"

#include <QtTest>
#include <QtWidgets>

using formdriver::find;

namespace {

// A window's form as designed, with none of the program's code.
QDialog *designOf(const QString &window)
{
    auto *design = new QDialog;
    if (window == "Kurswaage")
        Ui::Kurswaage().setupUi(design);
    else if (window == "Hilfe")
        Ui::Hilfe().setupUi(design);
    else
        Ui::muendlicheNachpruefung().setupUi(design);
    return design;
}

// A colour scheme whose windows and lists have this background.
QPalette schemeOn(const QColor &background)
{
    QPalette palette = background.lightness() < 128 ? formdriver::darkPalette() : QPalette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    return palette;
}

void expectVerdictColour(const QColor &colour, bool passed, const QColor &background, bool dark)
{
    if (!dark) {
        QCOMPARE(colour, QColor(passed ? Qt::darkGreen : Qt::red));
        return;
    }
    QVERIFY2(verdictcolours::contrastRatio(colour, background) >= 4.5, qPrintable(colour.name()));
    QCOMPARE(colour.hslHue(), passed ? 120 : 0);
}

// Shown, active, with `name` focused, as after tabbing to it.
QWidget *focus(QDialog *dialog, const char *name)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QWidget *widget = find(dialog, name);
    widget->setFocus(Qt::TabFocusReason);
    return widget;
}

}  // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

    // Name of every input and result below `window`, found by walking the
    // accessibility tree as an assistive technology does.
    static QMap<QObject *, QString> namesOf(QWidget *window, const QStringList &results)
    {
        QMap<QObject *, QString> names;
        QList<QAccessibleInterface *> pending = {QAccessible::queryAccessibleInterface(window)};
        while (!pending.isEmpty()) {
            QAccessibleInterface *iface = pending.takeLast();
            for (int i = 0; i < iface->childCount(); ++i)
                pending << iface->child(i);
            QObject *object = iface->object();
            if (qobject_cast<QSpinBox *>(object) || qobject_cast<QComboBox *>(object)
                || qobject_cast<QAbstractButton *>(object) || qobject_cast<QTextBrowser *>(object)
                || (object && results.contains(object->objectName())))
                names[object] = iface->text(QAccessible::Name);
        }
        return names;
    }

private slots:
    void cleanup()
    {
        QApplication::setFont(QFont());
        QApplication::setPalette(QPalette());
    }

    void captionsWhole_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<bool>("whileOpen");  // the desktop's font changes while the window is open
        QFont small = QApplication::font();
        small.setPointSize(7);
        QFont large = QApplication::font();
        large.setPointSize(16);
        QFont scaled = QApplication::font();  // 150 % font setting
        scaled.setPointSizeF(scaled.pointSizeF() * 1.5);
        for (const char *window : {"Kurswaage", "muendlicheNachpruefung", "Hilfe"}) {
            const QString name = QString::fromLatin1(window);
            QTest::newRow(qPrintable(name + ", default font")) << name << QApplication::font() << false;
            QTest::newRow(qPrintable(name + ", 7 pt")) << name << small << false;
            QTest::newRow(qPrintable(name + ", 16 pt")) << name << large << false;
            QTest::newRow(qPrintable(name + ", 150 %")) << name << scaled << false;
            QTest::newRow(qPrintable(name + ", 16 pt while open")) << name << large << true;
        }
    }

    // Every caption shows in full, and where it fits in the designed size,
    // the widget keeps its designed maximum; lists keep their size.
    void captionsWhole()
    {
        QFETCH(QString, window);
        QFETCH(QFont, font);
        QFETCH(bool, whileOpen);
        if (whileOpen)  // open at a font that needs more room, then change it
            QApplication::setFont(font.pointSize() > 12 ? QFont() : [] { QFont f; f.setPointSize(20); return f; }());
        else
            QApplication::setFont(font);
        QScopedPointer<QDialog> dialog(formdriver::createWindow(window)), design(designOf(window));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        if (whileOpen)
            QApplication::setFont(font);
        // A new font reaches the widgets, their layouts, the fitting and the
        // page that scrolls on a small screen in turns of the event loop (Qt 6
        // takes more than Qt 5).
        for (int turn = 0; turn < 5; ++turn)
            QApplication::processEvents();

        int checked = 0;
        for (QWidget *w : dialog->findChildren<QWidget *>()) {
            QWidget *original = design->findChild<QWidget *>(w->objectName());
            if (!original || w->objectName().isEmpty())
                continue;
            if (qobject_cast<QTextBrowser *>(w)) {
                QCOMPARE(w->maximumSize(), original->maximumSize());
                continue;
            }
            if (!qobject_cast<QAbstractButton *>(w) && !qobject_cast<QLabel *>(w) && !qobject_cast<QGroupBox *>(w))
                continue;
            // What the widget itself says it needs to show its caption whole.
            const QSize needed = qobject_cast<QAbstractButton *>(w) ? w->sizeHint() : w->minimumSizeHint();
            QVERIFY2(w->width() >= needed.width() && w->height() >= needed.height(),
                     qPrintable(QStringLiteral("%1 cut: %2x%3 < %4x%5").arg(w->objectName()).arg(w->width())
                                    .arg(w->height()).arg(needed.width()).arg(needed.height())));
            if (needed.boundedTo(original->maximumSize()) == needed)
                QCOMPARE(w->maximumSize(), original->maximumSize());
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void verdictColoursInTheForm_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << QPalette() << false;
        QTest::newRow("dark") << formdriver::darkPalette() << true;
        QTest::newRow("mid grey, still light") << schemeOn(QColor(0x76, 0x76, 0x76)) << false;
        QTest::newRow("mid grey, just dark") << schemeOn(QColor(0x75, 0x75, 0x75)) << true;
        QTest::newRow("black") << schemeOn(Qt::black) << true;
        QTest::newRow("dark blue") << schemeOn(QColor(0x1e, 0x1e, 0x2e)) << true;
        QTest::newRow("dark red") << schemeOn(QColor(0x40, 0x00, 0x00)) << true;
    }

    // The example candidate's lists (passed and weak courses) and both marks,
    // against the backgrounds they are drawn on: green for passed, red for
    // failed, as ever on light backgrounds, at least 4.5 : 1 on dark ones.
    void verdictColoursInTheForm()
    {
        QFETCH(QPalette, palette);
        QFETCH(bool, dark);
        QApplication::setPalette(palette);
        Kurswaage form;
        formdriver::workThroughExample(&form);

        QSet<bool> verdictsSeen;
        for (QTextBrowser *list : form.findChildren<QTextBrowser *>()) {
            const QColor background = list->palette().color(QPalette::Base);
            for (QTextBlock block = list->document()->begin(); block.isValid(); block = block.next()) {
                const bool passed = block.text() == "bestanden";
                verdictsSeen << passed;
                for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                    expectVerdictColour(fragment.fragment().charFormat().foreground().color(), passed, background, dark);
            }
        }
        QCOMPARE(verdictsSeen.size(), 2);
        for (const char *mark : {"label_21", "label_29"}) {
            auto *label = form.findChild<QLabel *>(mark);
            QCOMPARE(label->text(), QString("✔"));
            expectVerdictColour(label->palette().color(label->foregroundRole()), true,
                                form.palette().color(QPalette::Window), dark);
        }
    }

    void helpTextReadable_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("whileOpen");  // the scheme changes while the window is open
        QTest::addColumn<bool>("asWritten");  // the colours the text was written in
        QTest::newRow("light") << QPalette() << false << true;
        QTest::newRow("dark") << formdriver::darkPalette() << false << false;
        QTest::newRow("dark while open") << formdriver::darkPalette() << true << false;
        QTest::newRow("back to light while open") << QPalette() << true << true;
    }

    // The help text reads at 4.5 : 1 or better on its background; in a light
    // scheme in the colours it was written in; its logo shows.
    void helpTextReadable()
    {
        QFETCH(QPalette, palette);
        QFETCH(bool, whileOpen);
        QFETCH(bool, asWritten);
        QApplication::setPalette(whileOpen ? (asWritten ? formdriver::darkPalette() : QPalette()) : palette);
        Hilfe help;
        help.show();
        QScopedPointer<QDialog> designed(designOf("Hilfe"));
        const auto *written = designed->findChild<QTextBrowser *>("textBrowser");
        if (whileOpen)
            QApplication::setPalette(palette);
        QApplication::processEvents();
        auto *browser = help.findChild<QTextBrowser *>("textBrowser");
        const QColor background = browser->palette().color(QPalette::Base);
        QCOMPARE(browser->toPlainText(), written->toPlainText());
        QTextCursor asDesigned(written->document());
        int fragments = 0;
        QString image;
        for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat())
                    image = format.toImageFormat().name();
                if (it.fragment().text().trimmed().isEmpty() || format.isImageFormat())
                    continue;
                const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush)
                    ? format.foreground().color() : browser->palette().color(QPalette::Text);
                QVERIFY2(verdictcolours::contrastRatio(colour, background) >= 4.5, qPrintable(it.fragment().text()));
                asDesigned.setPosition(it.fragment().position() + 1);  // the format of its first character
                if (asWritten)
                    QCOMPARE(colour, asDesigned.charFormat().foreground().color());
                ++fragments;
            }
        }
        QVERIFY(fragments > 20);
        // It ends with the logo, which it finds in the resources.
        QCOMPARE(image, QString(":/Bilder bzw. Logos/velmologo.jpg"));
        QCOMPARE(browser->document()->resource(QTextDocument::ImageResource, QUrl(image)).value<QImage>().size(), QSize(200, 67));
    }

    // F1 does what "Hilfe" does: it opens a help window.
    void f1OpensTheHelp()
    {
        Kurswaage form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(form.findChildren<Hilfe *>().isEmpty());
        QTest::keyClick(form.findChild<QSpinBox *>("spinBox_12"), Qt::Key_F1);
        const QList<Hilfe *> help = form.findChildren<Hilfe *>();
        QCOMPARE(help.size(), 1);
        QVERIFY(help.first()->isVisible());
    }

    // Qt's own texts read German: the context menu of a spin box, say.
    void qtTextsInGerman()
    {
        QVERIFY2(installGermanQtTexts(*qApp), "Qt's German translation (qtbase_de.qm) is not installed");
        QCOMPARE(QLineEdit::tr("&Copy"), QStringLiteral("&Kopieren"));
    }

    void everyInputAndResultNamedApart_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("heard");  // widget=what a screen reader says it is: beside which caption it stands
        // 53 spin boxes, 17 combo boxes, 20 buttons, 4 lists, 9 results
        QTest::newRow("main form") << "Kurswaage"
                                   << QStringList{"label_32", "label_36", "label_37", "label_33", "label_21", "label_22",
                                                  "label_29", "label_30", "label_34"} << 103
                                   << QStringList{"spinBox_14=Fach 3, 2. KHJ", "comboBox_14=Fach 1, Fachwahl",
                                                  "spinBox_46=Prüfungsfach 3, Punkte",
                                                  "pushButton_14=Prüfungsfach 3, mündliche Nachprüfung",
                                                  "radioButton=ja", "label_34=Gesamtdurchschnitt: 2,1"};
        QTest::newRow("calculator") << "muendlicheNachpruefung" << QStringList{"label_5"} << 7
                                    << QStringList{"label_5=Neue Notenpunkte, Ergebnis: 8.33333"};
        QTest::newRow("help") << "Hilfe" << QStringList{} << 2 << QStringList{};
    }

    void everyInputAndResultNamedApart()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, results);
        QFETCH(int, count);
        QFETCH(QStringList, heard);
        QScopedPointer<QDialog> dialog(formdriver::createWindow(window));
        dialog->show();
        // Nothing computed yet: an empty result has no name, so that reading
        // out the window does not sound like a verdict.
        for (const QString &result : results)
            QVERIFY2(find(dialog.data(), qPrintable(result))->accessibleName().isEmpty(), qPrintable(result));

        if (window == "Kurswaage")
            formdriver::workThroughExample(dialog.data());
        else if (window == "muendlicheNachpruefung")
            formdriver::calculateOral(dialog.data(), 10, 5);
        const QMap<QObject *, QString> names = namesOf(dialog.data(), results);
        QCOMPARE(names.size(), count);
        QSet<QString> seen;
        for (auto it = names.begin(); it != names.end(); ++it) {
            QVERIFY2(!it.value().trimmed().isEmpty(), qPrintable(it.key()->objectName()));
            QVERIFY2(!seen.contains(it.value()), qPrintable(it.value()));
            seen << it.value();
        }
        for (const QString &pair : heard) {
            QObject *widget = find(dialog.data(), qPrintable(pair.section('=', 0, 0)));
            QCOMPARE(names.value(widget), pair.section('=', 1));
        }
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("result");  // a label shown afterwards; empty: the window has closed

        QTest::newRow("Enter on a step") << "Kurswaage" << "pushButton_7" << int(Qt::Key_Enter) << "label_32";
        QTest::newRow("Return on Beenden") << "Kurswaage" << "pushButton_3" << int(Qt::Key_Return) << "";
        QTest::newRow("Return in the calculator's points") << "muendlicheNachpruefung" << "spinBox_2" << int(Qt::Key_Return) << "label_5";
        QTest::newRow("Return on Verlassen") << "muendlicheNachpruefung" << "pushButton_3" << int(Qt::Key_Return) << "";
        QTest::newRow("Return on Schließen") << "Hilfe" << "pushButton" << int(Qt::Key_Return) << "";
    }

    void keyboard()
    {
        QFETCH(QString, window);
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(QString, result);
        QScopedPointer<QDialog> dialog(formdriver::createWindow(window));
        QWidget *widget = focus(dialog.data(), qPrintable(focused));
        QVERIFY(widget->hasFocus());
        QTest::keyClick(widget, Qt::Key(key));
        QCOMPARE(dialog->isVisible(), !result.isEmpty());
        if (!result.isEmpty())
            QVERIFY(!find<QLabel>(dialog.data(), qPrintable(result))->text().isEmpty());
    }

    void wheelOnlyWhereFocused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("focused");
        QTest::newRow("points, focused") << "spinBox" << true;
        QTest::newRow("points, passed over") << "spinBox" << false;
        QTest::newRow("subject, focused") << "comboBox_14" << true;
        QTest::newRow("subject, passed over") << "comboBox_14" << false;
    }

    void wheelOnlyWhereFocused()
    {
        QFETCH(QString, field);
        QFETCH(bool, focused);
        Kurswaage form;
        QWidget *widget = focus(&form, focused ? qPrintable(field) : "pushButton");
        widget = find(&form, qPrintable(field));
        const auto value = [widget] {
            if (auto *spinBox = qobject_cast<QSpinBox *>(widget))
                return spinBox->value();
            return static_cast<QComboBox *>(widget)->currentIndex();
        };
        const int before = value();
        const QPoint centre = widget->rect().center();
        // Down for a combo box (the next subject), up for a spin box (a point more).
        const int delta = qobject_cast<QSpinBox *>(widget) ? 120 : -120;
        QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
        QCOMPARE(value() != before, focused);
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
