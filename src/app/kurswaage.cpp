#include "kurswaage.h"

#include "accessibletext.h"
#include "announcedresult.h"
#include "desktopsetup.h"
#include "examplecandidate.h"
#include "grading.h"
#include "hilfe.h"
#include "mainform.h"
#include "muendlichenachpruefung.h"
#include "screenfit.h"
#include "subjectcatalogues.h"
#include "verdictcolours.h"
#include "ui_kurswaage.h"

#include <QShortcut>

#include <type_traits>

namespace {

// The form on a narrow screen, a tablet held upright: one column, the
// half-year panel on top, the examinations, buttons and results below it,
// then the admission line, its reason and the credit line. The admission
// line's wide fixed gap closes up.
const std::vector<GridPlace> kNarrowLayout = {
    {"groupBox", 0, 1, 1, 1, Qt::AlignLeft},
    {"gridLayout_2", 1, 1, 1, 1, Qt::AlignLeft},
    {"horizontalLayout_3", 2, 1, 1, 1, {}},
    {"label_22", 3, 1, 1, 1, {}},
    {"label_17", 4, 1, 1, 1, Qt::AlignRight},
};

}  // namespace

// The repeated widgets of the form, found once by the names in mainform.h.
struct Kurswaage::RepeatedWidgets {
    struct HalfYearColumn {
        QSpinBox *rows[kSubjectRows];
        QTextBrowser *list;
        QLabel *average;
        QPushButton *check;
        QPushButton *unlocks;  // none for the fourth column
    };
    struct ExamRow {
        QSpinBox *points;
        QLabel *caption;
        QComboBox *subject;
        QPushButton *oralReexamination;  // none for the oral examination
    };
    HalfYearColumn columns[kHalfYears] = {};
    QLabel *rowCaptions[kSubjectRows] = {};
    QComboBox *subjectChoices[kSubjectRows] = {};
    ExamRow exams[kExamComponents] = {};

    explicit RepeatedWidgets(const QWidget *form)
    {
        // One walk over the form, rather than one per name.
        QHash<QString, QWidget *> byName;
        const QList<QWidget *> children = form->findChildren<QWidget *>();
        for (QWidget *child : children)
            byName.insert(child->objectName(), child);
        auto find = [&byName](auto *&widget, const char *name) {
            using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(widget)>>;
            widget = name ? qobject_cast<Widget *>(byName.value(QLatin1String(name))) : nullptr;
            Q_ASSERT_X(widget || !name, "Kurswaage", name);
        };
        for (int c = 0; c < kHalfYears; ++c) {
            for (int row = 0; row < kSubjectRows; ++row)
                find(columns[c].rows[row], mainform::kColumns[c].rows[row]);
            find(columns[c].list, mainform::kColumns[c].list);
            find(columns[c].average, mainform::kColumns[c].average);
            find(columns[c].check, mainform::kColumns[c].check);
            find(columns[c].unlocks, mainform::kColumns[c].unlocks);
        }
        for (int row = 0; row < kSubjectRows; ++row) {
            find(rowCaptions[row], mainform::kRowCaptions[row]);
            find(subjectChoices[row], mainform::kSubjectChoices[row]);
        }
        for (int i = 0; i < kExamComponents; ++i) {
            find(exams[i].points, mainform::kExamRows[i].points);
            find(exams[i].caption, mainform::kExamRows[i].caption);
            find(exams[i].subject, mainform::kExamRows[i].subject);
            find(exams[i].oralReexamination, mainform::kExamRows[i].oralReexamination);
        }
    }
};

Kurswaage::Kurswaage(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Kurswaage)
{
    // Before the form: naming its parts already asks for their interfaces.
    installAccessibleTexts();
    ui->setupUi(this);
    grid = std::make_unique<const RepeatedWidgets>(this);
    ui->pushButton_12->setEnabled(false);
    setLaterStepsEnabled(false);
    for (int i = 0; i < int(std::size(mainform::kOptionalRows)); ++i)
        setOptionalRowEnabled(i, false);
    fillSubjectCatalogues(*ui);
    nameForScreenReaders();
    setNarrowLayout(this, kNarrowLayout, {"horizontalLayout_3"});
    settleIntoDesktop(this);

    // F1 asks for help as in every desktop program.
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, ui->pushButton_2, &QPushButton::click);
}

// Names a screen reader announces for every input and result: the captions
// alone repeat ("Prüfen", "mdl.") or are missing (the results). Nothing
// visible changes.
void Kurswaage::nameForScreenReaders()
{
    for (int c = 0; c < kHalfYears; ++c) {
        const QString halfYear = QStringLiteral("%1. KHJ").arg(c + 1);
        const auto &column = grid->columns[c];
        for (int row = 0; row < kSubjectRows; ++row)
            column.rows[row]->setAccessibleName(QStringLiteral("Fach %1, %2").arg(row + 1).arg(halfYear));
        column.list->setAccessibleName(QStringLiteral("Kurse unter 05 NP, ") + halfYear);
        nameResult(column.average, QStringLiteral("Durchschnitt ") + halfYear);
    }
    // On Linux a combo box is announced by the label it is the buddy of.
    for (int row = 0; row < kSubjectRows; ++row) {
        grid->subjectChoices[row]->setAccessibleName(QStringLiteral("Fach %1, Fachwahl").arg(row + 1));
        grid->rowCaptions[row]->setBuddy(grid->subjectChoices[row]);
    }
    for (int c = 0; c + 1 < kHalfYears; ++c)
        grid->columns[c].check->setAccessibleName(QStringLiteral("Prüfen, %1. KHJ").arg(c + 1));
    for (const auto &exam : grid->exams) {
        const QString caption = exam.caption->text();
        exam.points->setAccessibleName(caption + QStringLiteral(", Punkte"));
        exam.subject->setAccessibleName(caption + QStringLiteral(", Fachwahl"));
        exam.caption->setBuddy(exam.subject);
        if (exam.oralReexamination)
            exam.oralReexamination->setAccessibleName(caption + QStringLiteral(", mündliche Nachprüfung"));
    }
    // Qt would name the inner group box after the outer one. Its question
    // is said as the context of its answers, which keep their captions.
    ui->groupBox_3->setAccessibleName(ui->groupBox_3->title());
    // The caption labels the mark beside it: read out on its own when the
    // window opens, it would sound like a verdict.
    ui->label_20->setBuddy(ui->label_21);
    nameResult(ui->label_21, QStringLiteral("Zur Abiturprüfung zugelassen"));
    nameResult(ui->label_22, QStringLiteral("Begründung der Zulassung"));
    nameResult(ui->label_29, QStringLiteral("Abiturprüfungen bestanden"));
    nameResult(ui->label_30, QStringLiteral("Ergebnis der Abiturprüfungen"));
    nameResult(ui->label_34, QStringLiteral("Gesamtdurchschnitt"));
}

// Every result label is named here, so resultMeanings also lists them all.
// Results can be selected and copied, as in any other program.
void Kurswaage::nameResult(QLabel *label, const QString &meaning)
{
    resultMeanings.insert(label, meaning);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    showResult(label, label->text());
}

// Every result shown is also said, once the step is done (announceResults).
void Kurswaage::showResult(QLabel *label, const QString &text, const QString &spoken)
{
    const QString name = showAnnouncedResult(label, resultMeanings.value(label), text, spoken);
    if (!name.isEmpty())
        resultsToAnnounce << name;
}

void Kurswaage::announceResults()
{
    announce(this, resultsToAnnounce);
    resultsToAnnounce.clear();
}

// "✔" in green for a pass, "x" in red for a failure, coloured through the
// label's palette, readable on the window behind it.
void Kurswaage::showVerdictMark(QLabel *label, bool passed)
{
    const QColor background = label->parentWidget()->palette().color(QPalette::Window);
    const QBrush brush(verdictcolours::forVerdict(passed, background), Qt::SolidPattern);
    QPalette palette = label->palette();
    palette.setBrush(QPalette::All, label->backgroundRole(), brush);
    palette.setBrush(QPalette::All, label->foregroundRole(), brush);
    label->setPalette(palette);
    showResult(label, passed ? QString(QChar(0x2714)) : QStringLiteral("x"),
               passed ? QStringLiteral("ja") : QStringLiteral("nein"));
}

Kurswaage::~Kurswaage()
{
    delete ui;
}

// Row 11 (index 0) or row 12 (index 1), caption first.
void Kurswaage::setOptionalRowEnabled(int index, bool enabled)
{
    const int row = mainform::kOptionalRows[index];
    grid->rowCaptions[row]->setEnabled(enabled);
    grid->subjectChoices[row]->setEnabled(enabled);
    for (const auto &column : grid->columns)
        column.rows[row]->setEnabled(enabled);
}

// The second and third "Prüfen" and "Zulassung".
void Kurswaage::setLaterStepsEnabled(bool enabled)
{
    for (const auto &column : grid->columns) {
        if (column.unlocks)
            column.unlocks->setEnabled(enabled);
    }
}

// Records the column's points, shows its average and appends its weak
// courses to its list, counting them into the tallies. Nothing is cleared:
// a second press lists and counts again.
void Kurswaage::checkHalfYear(int index)
{
    const auto &column = grid->columns[index];
    if (column.unlocks)
        column.unlocks->setEnabled(true);

    ColumnPoints &points = state.coursePoints[index];
    for (int row = 0; row < kSubjectRows; ++row)
        points[row] = float(column.rows[row]->value());

    showResult(column.average, grading::formatNumber(grading::halfYearAverage(points, state.extraSubjects)));

    const std::vector<grading::ListLine> lines = grading::halfYearListing(points, state.extraSubjects, index);
    const QColor background = column.list->palette().color(QPalette::Base);
    for (const grading::ListLine &line : lines) {
        column.list->setTextColor(verdictcolours::forVerdict(line.kind == grading::ListLine::Passed, background));
        column.list->append(grading::listLineText(line));
        resultsToAnnounce << grading::listLineText(line);
    }
    grading::countIntoTallies(lines, state);
}

void Kurswaage::on_pushButton_7_clicked()
{
    checkHalfYear(0);
    announceResults();
}

void Kurswaage::on_pushButton_6_clicked()
{
    checkHalfYear(1);
    announceResults();
}

void Kurswaage::on_pushButton_8_clicked()
{
    checkHalfYear(2);
    announceResults();
}

// "Zulassung": the fourth half-year like the others, then admission from
// all courses and the tallies of the four half-years.
void Kurswaage::on_pushButton_4_clicked()
{
    CourseWholePoints courses;
    for (int c = 0; c < kHalfYears; ++c) {
        for (int row = 0; row < kSubjectRows; ++row)
            courses[c][row] = grid->columns[c].rows[row]->value();
    }
    grading::recordCourses(courses, state);
    checkHalfYear(kHalfYears - 1);

    const grading::Admission verdict = grading::admit(state);
    showVerdictMark(ui->label_21, verdict == grading::Admission::Admitted);
    showResult(ui->label_22, grading::admissionSentence(verdict));
    announceResults();
}

// "Abiturprüfung"
void Kurswaage::on_pushButton_5_clicked()
{
    ExamPoints exams;
    for (int i = 0; i < kExamComponents; ++i)
        exams[i] = grid->exams[i].points->value();
    grading::recordExaminations(exams, state);

    const bool passed = grading::examinationsPassed(state.examPoints);
    showVerdictMark(ui->label_29, passed);
    showResult(ui->label_30, grading::examinationVerdictText(passed));
    announceResults();
}

// "Berechnen" works on what the checks recorded, not on the spin boxes.
void Kurswaage::on_pushButton_clicked()
{
    showResult(ui->label_34, grading::overallResult(state));
    announceResults();
}

// "Beispiel ": rows 1-10 and the examinations; rows 11 and 12 only when
// switched on.
void Kurswaage::on_pushButton_9_clicked()
{
    const int rows = grading::exampleRows(state);
    for (int c = 0; c < kHalfYears; ++c) {
        for (int row = 0; row < rows; ++row)
            grid->columns[c].rows[row]->setValue(examplecandidate::kCoursePoints[c][row]);
    }
    for (int i = 0; i < kExamComponents; ++i)
        grid->exams[i].points->setValue(examplecandidate::kExamPoints[i]);
}

// The four lists of weak courses and the tallies they were counted into.
void Kurswaage::clearListsAndTallies()
{
    for (const auto &column : grid->columns)
        column.list->clear();
    grading::clearTallies(state);
}

// "Leeren": empties the lists and the tallies and restarts the chain of
// checks; points, averages and verdicts stay.
void Kurswaage::on_pushButton_13_clicked()
{
    clearListsAndTallies();
    setLaterStepsEnabled(false);
}

// "Zurücksetzen": back to the start state. The recorded points survive, so
// that "Berechnen" still shows the last result.
void Kurswaage::on_pushButton_10_clicked()
{
    for (const auto &column : grid->columns) {
        for (QSpinBox *spinBox : column.rows)
            spinBox->setValue(0);
    }
    for (const auto &exam : grid->exams)
        exam.points->setValue(0);

    for (auto result = resultMeanings.cbegin(); result != resultMeanings.cend(); ++result)
        showResult(result.key(), QString());
    resultsToAnnounce.clear();

    for (int i = 0; i < int(std::size(mainform::kOptionalRows)); ++i)
        setOptionalRowEnabled(i, false);
    setLaterStepsEnabled(false);
    ui->pushButton_12->setEnabled(false);
    ui->pushButton_18->setEnabled(true);

    clearListsAndTallies();
    state.extraSubjects = 0;
    state.doubleWeighting = 0;
    state.eleventhSubject = 0;
}

// "11. Fach"
void Kurswaage::on_pushButton_11_clicked()
{
    ui->pushButton_12->setEnabled(true);
    setOptionalRowEnabled(0, true);
    state.eleventhSubject = 1;
    state.extraSubjects = 1;
}

// "12. Fach"
void Kurswaage::on_pushButton_12_clicked()
{
    setOptionalRowEnabled(1, true);
    state.extraSubjects = 2;
}

// "doppelt wichten": usable once until "Zurücksetzen".
void Kurswaage::on_pushButton_18_clicked()
{
    state.doubleWeighting = 1;
    ui->pushButton_18->setEnabled(false);
}

// "Hilfe": one more non-modal window per press, owned by this dialog.
void Kurswaage::on_pushButton_2_clicked()
{
    helpWindow = new Hilfe(this);
    helpWindow->show();
}

// The "mdl." buttons all open a fresh calculator; nothing passes between
// it and this form.
void Kurswaage::openOralReexamination()
{
#ifdef Q_OS_WASM
    // A browser cannot wait inside exec(): the calculator opens, modal all
    // the same, and goes when it is closed.
    auto *dialog = new muendlicheNachpruefung;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->open();
#else
    muendlicheNachpruefung dialog;
    dialog.exec();  // modal, as exec() always is
#endif
}

void Kurswaage::on_pushButton_17_clicked()
{
    openOralReexamination();
}

void Kurswaage::on_pushButton_16_clicked()
{
    openOralReexamination();
}

void Kurswaage::on_pushButton_14_clicked()
{
    openOralReexamination();
}

void Kurswaage::on_pushButton_15_clicked()
{
    openOralReexamination();
}
