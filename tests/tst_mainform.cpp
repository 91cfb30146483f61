// The main form as the student meets it: the table of widget names the
// dialog works by matches the form, the spin boxes accept 0 to 15 only,
// Tab goes across a row, and every click shows what the form's steps
// (tst_engine) say. (That "Zurücksetzen" brings every value back, the
// random sessions check; leaving the program, tst_session.)
#include "announcedresult.h"
#include "form.h"
#include "formdriver.h"
#include "kurswaage.h"
#include "mainform.h"
#include "verdictcolours.h"

#include <QtTest>
#include <QtWidgets>

class MainFormTest : public QObject
{
    Q_OBJECT

    template<typename T = QWidget>
    T *widget(const QString &name)
    {
        return formdriver::find<T>(form.data(), qPrintable(name));
    }

    void click(const QStringList &buttons)
    {
        for (const QString &button : buttons)
            formdriver::click(form.data(), qPrintable(button));
    }

    QScopedPointer<Kurswaage> form;
    static inline QString said;  // the last announcement

private slots:
    void init() { form.reset(new Kurswaage); }
    void cleanup() { form.reset(); }

    // The table the dialog finds its widgets by: every row's points stand on
    // its caption's line, columns from left to right, rows from top to bottom,
    // each examination's points, subject and "mdl." on its caption's line.
    void namesStandWhereTheFormShowsThem()
    {
        form->show();
        auto centre = [&](const char *name) { QWidget *w = widget(name); return w->mapTo(form.data(), w->rect().center()); };
        auto sameLine = [&](const char *a, const char *b) {  // a's middle within b's height
            QWidget *w = widget(b);
            return QRect(w->mapTo(form.data(), QPoint()), w->size()).contains(w->mapTo(form.data(), QPoint()).x(), centre(a).y());
        };
        for (int c = 0; c < kHalfYears; ++c) {
            const mainform::HalfYearColumn &column = mainform::kColumns[c];
            for (int row = 0; row < kSubjectRows; ++row) {
                QVERIFY2(sameLine(column.rows[row], mainform::kRowCaptions[row]), column.rows[row]);
                QVERIFY(sameLine(mainform::kSubjectChoices[row], mainform::kRowCaptions[row]));
                if (row > 0)
                    QVERIFY(centre(column.rows[row]).y() > centre(column.rows[row - 1]).y());
                if (c > 0)
                    QVERIFY(centre(column.rows[row]).x() > centre(mainform::kColumns[c - 1].rows[row]).x());
            }
            // List, average and check below the grid, in the columns' order.
            const mainform::HalfYearColumn *left = c > 0 ? &mainform::kColumns[c - 1] : nullptr;
            for (auto part : {&mainform::HalfYearColumn::list, &mainform::HalfYearColumn::average,
                              &mainform::HalfYearColumn::check}) {
                QVERIFY(centre(column.*part).y() > centre(column.rows[kSubjectRows - 1]).y());
                QVERIFY(!left || centre(column.*part).x() > centre(left->*part).x());
            }
        }
        for (const mainform::ExamRow &exam : mainform::kExamRows) {
            QVERIFY2(sameLine(exam.points, exam.caption) && sameLine(exam.subject, exam.caption), exam.points);
            QVERIFY(!exam.oralReexamination || sameLine(exam.oralReexamination, exam.caption));
        }
    }

    void everySpinBoxHoldsZeroToFifteen()
    {
        const QList<QSpinBox *> spinBoxes = form->findChildren<QSpinBox *>();
        QCOMPARE(spinBoxes.size(), 53);
        for (QSpinBox *spinBox : spinBoxes) {
            QVERIFY2(spinBox->minimum() == 0 && spinBox->maximum() == 15 && spinBox->value() == 0,
                     qPrintable(spinBox->objectName()));
            spinBox->setValue(99);
            QCOMPARE(spinBox->value(), 15);
            spinBox->setValue(-3);
            QCOMPARE(spinBox->value(), 0);
        }
    }

    void tabGoesAcrossRowOne()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.data()));
        widget("comboBox_6")->setFocus();
        for (const char *next : {"spinBox", "spinBox_12", "spinBox_23", "spinBox_34", "spinBox_2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    // Clicked through the steps, with points typed on the way, the window
    // shows after every click what the form's steps say: the points, each
    // result, its name and its mark's colour, the lists, what is enabled and
    // what is said. (The lists' colours: tst_desktop.)
    void showsWhatTheStepsSay()
    {
        using form::Button;
        const std::pair<Button, int> clicks[] = {  // a button, and the points typed before it (-1: none)
            {Button::EleventhSubject, -1}, {Button::Example, -1}, {Button::CheckFirstHalfYear, 0},
            {Button::CheckSecondHalfYear, -1}, {Button::CheckThirdHalfYear, 3}, {Button::Admission, -1},
            {Button::Examinations, 0}, {Button::Calculate, -1}, {Button::Clear, -1}, {Button::DoubleWeighting, -1},
            {Button::TwelfthSubject, -1}, {Button::Example, -1}, {Button::CheckFirstHalfYear, -1},
            {Button::CheckSecondHalfYear, -1}, {Button::CheckThirdHalfYear, -1}, {Button::Admission, 12},
            {Button::Examinations, -1}, {Button::Reset, -1}, {Button::Calculate, -1}, {Button::CheckFirstHalfYear, -1},
        };
        setAnnouncementWitness([](QWidget *, const QString &text) { said = text; });
        form::FormState steps;
        for (int i = 0; i < int(std::size(clicks)); ++i) {
            const auto [button, points] = clicks[i];
            if (points >= 0) {  // into a course and an examination, a different one each time
                widget<QSpinBox>(mainform::kColumns[i % kHalfYears].rows[i % kSubjectRows])->setValue(points);
                widget<QSpinBox>(mainform::kExamRows[i % kExamComponents].points)->setValue(points);
                steps.coursePoints[i % kHalfYears][i % kSubjectRows] = steps.examPoints[i % kExamComponents] = points;
            }
            said.clear();
            steps = form::press(std::move(steps), button);
            click({form::kButtonNames[int(button)]});
            const QByteArray step = form::kButtonNames[int(button)];
            QCOMPARE(said, QString::fromStdString(steps.announcement));
            for (int c = 0; c < kHalfYears; ++c) {
                for (int row = 0; row < kSubjectRows; ++row) {
                    auto *spinBox = widget<QSpinBox>(mainform::kColumns[c].rows[row]);
                    QVERIFY2(spinBox->value() == steps.coursePoints[c][row], step);
                    QVERIFY2(spinBox->isEnabled() == form::isRowEnabled(steps, row), step);
                }
                QStringList lines;
                for (const form::Shown &line : steps.lists[c])
                    lines << QString::fromStdString(line.text);
                QCOMPARE(widget<QTextBrowser>(mainform::kColumns[c].list)->toPlainText(), lines.join('\n'));
            }
            for (int e = 0; e < kExamComponents; ++e)
                QVERIFY2(widget<QSpinBox>(mainform::kExamRows[e].points)->value() == steps.examPoints[e], step);
            for (int r = 0; r < form::kResultCount; ++r) {
                const form::Shown &shown = steps.results[r];
                auto *label = widget<QLabel>(form::kResultLabels[r].objectName);
                QCOMPARE(label->text(), QString::fromStdString(shown.text));
                QCOMPARE(label->accessibleName(), QString::fromStdString(form::accessibleName(form::Result(r), shown)));
                if (shown.mark != form::Mark::None)
                    QCOMPARE(label->palette().color(label->foregroundRole()),
                             verdictcolours::forVerdict(shown.mark == form::Mark::Passed,
                                                        label->parentWidget()->palette().color(QPalette::Window)));
            }
            for (int b = 0; b < form::kButtonCount; ++b)
                QVERIFY2(widget(form::kButtonNames[b])->isEnabled() == form::isEnabled(steps, Button(b)), step);
        }
        setAnnouncementWitness(nullptr);
    }
};

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
