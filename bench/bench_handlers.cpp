// Time of each button handler of the main window, the example candidate
// loaded: build/bench/bench-handlers (add -callgrind for instruction counts
// under valgrind). The lists keep growing while a check is repeated, which
// makes the later presses slower, if anything.
#include "formdriver.h"
#include "hilfe.h"
#include "kurswaage.h"

#include <QTest>
#include <QTimer>

class HandlerBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void handler_data();
    void handler();
};

// The offscreen platform warns about every window it shows; keep the
// results readable. QtTest installs its own message handler when the run
// starts, so the filter goes in front of that one.
void HandlerBenchmark::initTestCase()
{
    static const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.contains(QLatin1String("propagateSizeHints")))
            testLog(type, context, message);
    });
}

void HandlerBenchmark::handler_data()
{
    QTest::addColumn<QString>("button");
    const char *rows[][2] = {
        {"pushButton_7", "Pruefen 1. KHJ"}, {"pushButton_6", "Pruefen 2. KHJ"}, {"pushButton_8", "Pruefen 3. KHJ"},
        {"pushButton_4", "Zulassung"}, {"pushButton_5", "Abiturpruefung"}, {"pushButton", "Berechnen"},
        {"pushButton_9", "Beispiel"}, {"pushButton_13", "Leeren"}, {"pushButton_10", "Zuruecksetzen"},
        {"pushButton_11", "11. Fach"}, {"pushButton_12", "12. Fach"}, {"pushButton_18", "doppelt wichten"},
        {"pushButton_17", "mdl. (open and close)"}, {"pushButton_2", "Hilfe (new window)"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[1]) << QString::fromLatin1(row[0]);
}

void HandlerBenchmark::handler()
{
    QFETCH(QString, button);
    Kurswaage form;
    form.show();
    formdriver::click(&form, "pushButton_11");
    formdriver::click(&form, "pushButton_12");
    formdriver::workThroughExample(&form);

    // The slot itself, whether the button is enabled at the moment or not.
    const QByteArray slot = "on_" + button.toLatin1() + "_clicked";
    const bool modal = button == "pushButton_17";
    QBENCHMARK {
        if (modal)  // closes the calculator once it is open
            QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QMetaObject::invokeMethod(&form, slot.constData());
    }
    qDeleteAll(form.findChildren<Hilfe *>());
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    HandlerBenchmark benchmark;
    return QTest::qExec(&benchmark, argc, argv);
}
#include "bench_handlers.moc"
