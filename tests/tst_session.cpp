// One whole session as a student has it, as tests/session.json describes
// it for every platform's run: the example candidate through every check
// to the grade, each step showing and announcing what the description
// says, each button named as it says; the lists of weak courses; then the
// calculator, the help, and leaving the program. Also run
// under valgrind: ctest -L memcheck.
#include "announcedresult.h"
#include "formdriver.h"
#include "hilfe.h"
#include "kurswaage.h"
#include "sessiondescription.h"

#include <QtTest>
#include <QtWidgets>

using formdriver::find;

namespace {

QStringList announced;

void witness(QWidget *, const QString &text)
{
    announced << text;
}

QString textOf(const QWidget *window, const QString &name)
{
    if (auto *text = window->findChild<QTextBrowser *>(name))
        return text->toPlainText();
    return find<QLabel>(window, qPrintable(name))->text();
}

}  // namespace

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void exampleCandidateToTheGradeAndOut()
    {
        const QJsonObject session = sessionDescription();
        QVERIFY(!session["example"].toArray().isEmpty());
        Kurswaage form;
        form.show();

        setAnnouncementWitness(witness);
        for (const QJsonValue &value : session["example"].toArray()) {
            const QJsonObject step = value.toObject();
            announced.clear();
            QWidget *button = find(&form, qPrintable(step["press"].toString()));
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), step["name"].toString());
            formdriver::click(&form, qPrintable(step["press"].toString()));
            const QJsonObject shows = step["shows"].toObject();
            for (auto result = shows.begin(); result != shows.end(); ++result)
                QCOMPARE(textOf(&form, result.key()), result.value().toString());
            QCOMPARE(announced, step.contains("says") ? QStringList{step["says"].toString()} : QStringList());
        }
        setAnnouncementWitness(nullptr);

        const QJsonObject lists = session["lists"].toObject();
        for (auto list = lists.begin(); list != lists.end(); ++list)
            QCOMPARE(textOf(&form, list.key()), list.value().toString());

        // The calculator, worked and left; then a help window, read and closed.
        const QJsonObject calculator = session["calculator"].toObject();
        QString shown;
        QVERIFY(formdriver::withModalDialog(
            [&] { QTest::mouseClick(find(&form, qPrintable(calculator["open"].toString())), Qt::LeftButton); },
            [&](QWidget *oral) {
                const QJsonObject typed = calculator["type"].toObject();
                for (auto field = typed.begin(); field != typed.end(); ++field)
                    find<QSpinBox>(oral, qPrintable(field.key()))->setValue(field.value().toString().toInt());
                formdriver::click(oral, qPrintable(calculator["press"].toString()));
                const QJsonObject shows = calculator["shows"].toObject();
                shown = textOf(oral, shows.begin().key());
                QCOMPARE(shown, shows.begin().value().toString());
                QTest::mouseClick(find(oral, qPrintable(calculator["close"].toString())), Qt::LeftButton);
            }));
        QVERIFY(!shown.isEmpty());

        const QJsonObject helpSteps = session["help"].toObject();
        QTest::mouseClick(find(&form, qPrintable(helpSteps["open"].toString())), Qt::LeftButton);
        Hilfe *help = form.findChild<Hilfe *>();
        QVERIFY(help && help->isVisible() && !help->isModal());
        const QJsonObject begins = helpSteps["begins"].toObject();
        QVERIFY(textOf(help, begins.begin().key()).startsWith(begins.begin().value().toString()));
        QTest::mouseClick(find(help, qPrintable(helpSteps["close"].toString())), Qt::LeftButton);
        QVERIFY(!help->isVisible());

        QTimer::singleShot(0, [&] { QTest::mouseClick(find(&form, "pushButton_3"), Qt::LeftButton); });  // Beenden
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
