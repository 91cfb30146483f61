// The oral re-examination calculator, the help windows and the pictures
// they show.
#include "app/kurswaage.h"
#include "dialogs/hilfe.h"
#include "dialogs/muendlichenachpruefung.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QResource>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

class DialogsTest : public QObject
{
    Q_OBJECT

    template<typename T = QWidget>
    static T *child(QWidget *parent, const char *name)
    {
        T *w = parent->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }

    static void calculate(QWidget *dialog, int written, int oral)
    {
        child<QSpinBox>(dialog, "spinBox")->setValue(written);
        child<QSpinBox>(dialog, "spinBox_2")->setValue(oral);
        QTest::mouseClick(child(dialog, "pushButton_4"), Qt::LeftButton);
    }

    // Clicks a "mdl." button of the main form and runs `inDialog` on the
    // modal calculator while the button's handler waits in exec().
    static bool runOralDialog(Kurswaage &form, const char *button, const std::function<void(QWidget *)> &inDialog)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || !qobject_cast<muendlicheNachpruefung *>(dialog))
                return;
            inDialog(dialog);
            ran = true;
            QTest::mouseClick(child(dialog, "pushButton_3"), Qt::LeftButton);  // Verlassen
        });
        QTest::mouseClick(child(&form, button), Qt::LeftButton);
        return ran;
    }

private slots:
    void logoAndIconsBeforeAnyDialog_data();
    void logoAndIconsBeforeAnyDialog();
    void newPoints_data();
    void newPoints();
    void oldResultStaysAndVerwerfen();
    void oralDialogIsFreshAndChangesNothing();
    void helpDocument();
};

void DialogsTest::logoAndIconsBeforeAnyDialog_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("compressed");
    QTest::newRow("logo") << "velmologo.jpg" << QSize(200, 67) << false;
    QTest::newRow("48 icon") << "Untitled - 2.ico" << QSize(48, 48) << true;
    QTest::newRow("32 icon") << "Untitled - 3.ico" << QSize(32, 32) << true;
}

// The resources are compiled in and registered before main; what they
// deliver is byte for byte the file in resources/.
void DialogsTest::logoAndIconsBeforeAnyDialog()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, compressed);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    const QResource resource(":/Bilder bzw. Logos/" + file);
    QCOMPARE(resource.compressionAlgorithm(),
             compressed ? QResource::ZlibCompression : QResource::NoCompression);
    QFile embedded(":/Bilder bzw. Logos/" + file);
    QFile original(QStringLiteral(KURSWAAGE_RESOURCES_DIR "/Bilder bzw. Logos/") + file);
    QVERIFY(embedded.open(QIODevice::ReadOnly));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(embedded.readAll(), original.readAll());
    QImageReader reader(embedded.fileName());
    if (reader.canRead() || file.endsWith(".jpg"))  // the ico reader is an optional plugin
        QCOMPARE(reader.read().size(), size);
}

void DialogsTest::newPoints_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("oral");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0/0") << 0 << 0 << "0";
    QTest::newRow("10/5") << 10 << 5 << "8.33333";
    QTest::newRow("6/5") << 6 << 5 << "5.66667";
    QTest::newRow("4/7") << 4 << 7 << "5";
    QTest::newRow("15/15") << 15 << 15 << "15";
    QTest::newRow("0/1") << 0 << 1 << "0.333333";
    QTest::newRow("14/15 not rounded") << 14 << 15 << "14.3333";
}

void DialogsTest::newPoints()
{
    QFETCH(int, written);
    QFETCH(int, oral);
    QFETCH(QString, shown);
    muendlicheNachpruefung dialog;
    calculate(&dialog, written, oral);
    QCOMPARE(child<QLabel>(&dialog, "label_5")->text(), shown);
}

void DialogsTest::oldResultStaysAndVerwerfen()
{
    muendlicheNachpruefung dialog;
    child<QComboBox>(&dialog, "comboBox")->setCurrentIndex(6);
    calculate(&dialog, 10, 5);
    child<QSpinBox>(&dialog, "spinBox")->setValue(3);
    QCOMPARE(child<QLabel>(&dialog, "label_5")->text(), QString("8.33333"));

    QTest::mouseClick(child(&dialog, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBox")->value(), 0);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBox_2")->value(), 0);
    QVERIFY(child<QLabel>(&dialog, "label_5")->text().isEmpty());
    QCOMPARE(child<QComboBox>(&dialog, "comboBox")->currentText(), QString("Mathe"));
}

// Every "mdl." opens a new calculator in its start state; the main form's
// examination points stay as they were.
void DialogsTest::oralDialogIsFreshAndChangesNothing()
{
    Kurswaage form;
    form.show();
    QTest::mouseClick(child(&form, "pushButton_9"), Qt::LeftButton);  // Beispiel
    const int written = child<QSpinBox>(&form, "spinBox_48")->value();

    for (const char *button : {"pushButton_17", "pushButton_16", "pushButton_14", "pushButton_15", "pushButton_17"}) {
        QVERIFY(runOralDialog(form, button, [](QWidget *dialog) {
            QVERIFY(dialog->parentWidget() == nullptr);
            QCOMPARE(dialog->windowTitle(), QString("Dialog"));
            QCOMPARE(child<QSpinBox>(dialog, "spinBox")->value(), 0);
            QCOMPARE(child<QSpinBox>(dialog, "spinBox_2")->value(), 0);
            QVERIFY(child<QLabel>(dialog, "label_5")->text().isEmpty());
            QCOMPARE(child<QComboBox>(dialog, "comboBox")->currentIndex(), 0);
            child<QComboBox>(dialog, "comboBox")->setCurrentIndex(3);
            calculate(dialog, 2, 15);
            QCOMPARE(child<QLabel>(dialog, "label_5")->text(), QString("6.33333"));
        }));
        QCOMPARE(child<QSpinBox>(&form, "spinBox_48")->value(), written);
    }
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void DialogsTest::helpDocument()
{
    Hilfe help;
    auto *heading = child<QLabel>(&help, "label");
    QCOMPARE(heading->text(), QString("Hilfe"));
    QCOMPARE(heading->font().family(), QString("Times New Roman"));
    QCOMPARE(heading->font().pointSize(), 28);
    QVERIFY(heading->font().bold());

    const QTextDocument *document = child<QTextBrowser>(&help, "textBrowser")->document();
    QCOMPARE(document->blockCount(), 27);
    const QString text = document->toPlainText();
    for (const char *phrase : {"Abiturdurchschnitt", "05 Notenpunkte", "Zur Abiturprüfung zugelassen:", "unsichtbar",
                               "sprachlich-literarisch-künstlerisch", "gesellschafts-wissenschaftlich",
                               "mathematisch-naturwissenschaftlich-technisch", "Bei n,5 wird aufgerundet.",
                               "unter 06 Notenpunkte", "Abiturprüfungen:"})
        QVERIFY2(text.contains(QString::fromUtf8(phrase)), phrase);

    QStringList underlined;
    QString image;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.fontUnderline())
                underlined << it.fragment().text();
            if (format.isImageFormat()) {
                image = format.toImageFormat().name();
                QVERIFY(block.blockFormat().alignment() & Qt::AlignRight);
            }
        }
    }
    const QStringList expected = {"Prüfen-Knopf", "Zulassung-Knopf", "Leeren-Knopf", "11. Fach-Knopf",
                                  "12. Fach-Knopf", "Beispiel-Knopf", "Zurücksetzen-Knopf", "Comboboxen",
                                  "doppelt wichten-Knopf", "mdl.-Knopf", "Abiturprüfung-Knopf", "Berechnen-Knopf"};
    QCOMPARE(underlined, expected);
    QCOMPARE(image, QString(":/Bilder bzw. Logos/velmologo.jpg"));
    const QVariant logo = document->resource(QTextDocument::ImageResource, QUrl(image));
    QCOMPARE(logo.value<QImage>().size(), QSize(200, 67));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
