#include "app/kurswaage.h"

#include "app/announcedresult.h"
#include "app/captionfit.h"
#include "app/subjectcatalogues.h"
#include "app/verdictcolours.h"
#include "dialogs/hilfe.h"
#include "dialogs/muendlichenachpruefung.h"
#include "evaluation/examplecandidate.h"
#include "evaluation/grading.h"
#include "ui_kurswaage.h"

#include <QShortcut>

#include <algorithm>

namespace {

using SpinBoxField = QSpinBox *Ui_Kurswaage::*;

// One half-year column of the course grid and the widgets below it.
struct HalfYearColumn {
    SpinBoxField rows[kSubjectRows];       // "Fach 1" .. "Fach12"
    QTextBrowser *Ui_Kurswaage::*list;     // weak courses
    QLabel *Ui_Kurswaage::*average;
    QPushButton *Ui_Kurswaage::*check;     // "Prüfen", for the fourth column "Zulassung"
    bool rowOneLast;                       // the third column lists row 1 after row 10
};

constexpr HalfYearColumn kColumns[kHalfYears] = {
    {{&Ui_Kurswaage::spinBox, &Ui_Kurswaage::spinBox_2, &Ui_Kurswaage::spinBox_3, &Ui_Kurswaage::spinBox_4,
      &Ui_Kurswaage::spinBox_5, &Ui_Kurswaage::spinBox_6, &Ui_Kurswaage::spinBox_7, &Ui_Kurswaage::spinBox_8,
      &Ui_Kurswaage::spinBox_9, &Ui_Kurswaage::spinBox_10, &Ui_Kurswaage::spinBox_44, &Ui_Kurswaage::spinBox_50},
     &Ui_Kurswaage::textBrowser, &Ui_Kurswaage::label_32, &Ui_Kurswaage::pushButton_7, false},
    {{&Ui_Kurswaage::spinBox_12, &Ui_Kurswaage::spinBox_13, &Ui_Kurswaage::spinBox_14, &Ui_Kurswaage::spinBox_15,
      &Ui_Kurswaage::spinBox_16, &Ui_Kurswaage::spinBox_17, &Ui_Kurswaage::spinBox_18, &Ui_Kurswaage::spinBox_19,
      &Ui_Kurswaage::spinBox_20, &Ui_Kurswaage::spinBox_21, &Ui_Kurswaage::spinBox_33, &Ui_Kurswaage::spinBox_51},
     &Ui_Kurswaage::textBrowser_2, &Ui_Kurswaage::label_36, &Ui_Kurswaage::pushButton_6, false},
    {{&Ui_Kurswaage::spinBox_23, &Ui_Kurswaage::spinBox_24, &Ui_Kurswaage::spinBox_25, &Ui_Kurswaage::spinBox_26,
      &Ui_Kurswaage::spinBox_27, &Ui_Kurswaage::spinBox_28, &Ui_Kurswaage::spinBox_29, &Ui_Kurswaage::spinBox_30,
      &Ui_Kurswaage::spinBox_31, &Ui_Kurswaage::spinBox_32, &Ui_Kurswaage::spinBox_22, &Ui_Kurswaage::spinBox_52},
     &Ui_Kurswaage::textBrowser_3, &Ui_Kurswaage::label_37, &Ui_Kurswaage::pushButton_8, true},
    {{&Ui_Kurswaage::spinBox_34, &Ui_Kurswaage::spinBox_35, &Ui_Kurswaage::spinBox_36, &Ui_Kurswaage::spinBox_37,
      &Ui_Kurswaage::spinBox_38, &Ui_Kurswaage::spinBox_39, &Ui_Kurswaage::spinBox_40, &Ui_Kurswaage::spinBox_41,
      &Ui_Kurswaage::spinBox_42, &Ui_Kurswaage::spinBox_43, &Ui_Kurswaage::spinBox_11, &Ui_Kurswaage::spinBox_53},
     &Ui_Kurswaage::textBrowser_4, &Ui_Kurswaage::label_33, &Ui_Kurswaage::pushButton_4, false},
};

// Caption and subject choice of rows 1 to 12.
constexpr QLabel *Ui_Kurswaage::*kRowCaptions[kSubjectRows] = {
    &Ui_Kurswaage::label, &Ui_Kurswaage::label_2, &Ui_Kurswaage::label_3, &Ui_Kurswaage::label_4,
    &Ui_Kurswaage::label_5, &Ui_Kurswaage::label_6, &Ui_Kurswaage::label_10, &Ui_Kurswaage::label_11,
    &Ui_Kurswaage::label_7, &Ui_Kurswaage::label_8, &Ui_Kurswaage::label_9, &Ui_Kurswaage::label_18,
};
constexpr QComboBox *Ui_Kurswaage::*kSubjectChoices[kSubjectRows] = {
    &Ui_Kurswaage::comboBox_14, &Ui_Kurswaage::comboBox_15, &Ui_Kurswaage::comboBox_16, &Ui_Kurswaage::comboBox,
    &Ui_Kurswaage::comboBox_3, &Ui_Kurswaage::comboBox_2, &Ui_Kurswaage::comboBox_5, &Ui_Kurswaage::comboBox_7,
    &Ui_Kurswaage::comboBox_4, &Ui_Kurswaage::comboBox_6, &Ui_Kurswaage::comboBox_8, &Ui_Kurswaage::comboBox_17,
};

// Rows 11 and 12, switched on by "11. Fach" and "12. Fach".
constexpr int kOptionalRows[] = {10, 11};

// Examination subjects 1 to 4, then the oral examination.
struct ExamRow {
    SpinBoxField points;
    QLabel *Ui_Kurswaage::*caption;
    QComboBox *Ui_Kurswaage::*subject;
    QPushButton *Ui_Kurswaage::*oralReexamination;  // "mdl."; none for the oral examination
};

constexpr ExamRow kExamRows[kExamComponents] = {
    {&Ui_Kurswaage::spinBox_48, &Ui_Kurswaage::label_23, &Ui_Kurswaage::comboBox_9, &Ui_Kurswaage::pushButton_17},
    {&Ui_Kurswaage::spinBox_47, &Ui_Kurswaage::label_24, &Ui_Kurswaage::comboBox_10, &Ui_Kurswaage::pushButton_16},
    {&Ui_Kurswaage::spinBox_46, &Ui_Kurswaage::label_25, &Ui_Kurswaage::comboBox_11, &Ui_Kurswaage::pushButton_14},
    {&Ui_Kurswaage::spinBox_49, &Ui_Kurswaage::label_26, &Ui_Kurswaage::comboBox_12, &Ui_Kurswaage::pushButton_15},
    {&Ui_Kurswaage::spinBox_45, &Ui_Kurswaage::label_27, &Ui_Kurswaage::comboBox_13, nullptr},
};

}  // namespace

Kurswaage::Kurswaage(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Kurswaage)
{
    ui->setupUi(this);
    ui->pushButton_12->setEnabled(false);
    setLaterStepsEnabled(false);
    for (int i = 0; i < int(std::size(kOptionalRows)); ++i)
        setOptionalRowEnabled(i, false);
    fillSubjectCatalogues(*ui);
    nameForScreenReaders();
    keepCaptionsWhole(this);

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
        const HalfYearColumn &column = kColumns[c];
        for (int row = 0; row < kSubjectRows; ++row)
            (ui->*column.rows[row])->setAccessibleName(QStringLiteral("Fach %1, %2").arg(row + 1).arg(halfYear));
        (ui->*column.list)->setAccessibleName(QStringLiteral("Kurse unter 05 NP, ") + halfYear);
        nameResult(ui->*column.average, QStringLiteral("Durchschnitt ") + halfYear);
    }
    // On Linux a combo box is announced by the label it is the buddy of.
    for (int row = 0; row < kSubjectRows; ++row) {
        (ui->*kSubjectChoices[row])->setAccessibleName(QStringLiteral("Fach %1, Fachwahl").arg(row + 1));
        (ui->*kRowCaptions[row])->setBuddy(ui->*kSubjectChoices[row]);
    }
    for (int c = 0; c + 1 < kHalfYears; ++c)
        (ui->*kColumns[c].check)->setAccessibleName(QStringLiteral("Prüfen, %1. KHJ").arg(c + 1));
    for (const ExamRow &exam : kExamRows) {
        const QString caption = (ui->*exam.caption)->text();
        (ui->*exam.points)->setAccessibleName(caption + QStringLiteral(", Punkte"));
        (ui->*exam.subject)->setAccessibleName(caption + QStringLiteral(", Fachwahl"));
        (ui->*exam.caption)->setBuddy(ui->*exam.subject);
        if (exam.oralReexamination)
            (ui->*exam.oralReexamination)->setAccessibleName(caption + QStringLiteral(", mündliche Nachprüfung"));
    }
    // Qt would name the inner group box after the outer one.
    ui->groupBox_3->setAccessibleName(ui->groupBox_3->title());
    ui->radioButton->setAccessibleName(QStringLiteral("Besondere Lernleistung, ja"));
    ui->radioButton_2->setAccessibleName(QStringLiteral("Besondere Lernleistung, nein"));
    nameResult(ui->label_21, QStringLiteral("Zur Abiturprüfung zugelassen"));
    nameResult(ui->label_22, QStringLiteral("Begründung der Zulassung"));
    nameResult(ui->label_29, QStringLiteral("Abiturprüfungen"));
    nameResult(ui->label_30, QStringLiteral("Ergebnis der Abiturprüfungen"));
    nameResult(ui->label_34, QStringLiteral("Gesamtdurchschnitt"));
}

// Every result label is named here, so resultMeanings also lists them all.
void Kurswaage::nameResult(QLabel *label, const QString &meaning)
{
    resultMeanings.insert(label, meaning);
    showResult(label, label->text());
}

void Kurswaage::showResult(QLabel *label, const QString &text)
{
    showAnnouncedResult(label, resultMeanings.value(label), text);
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
    showResult(label, passed ? QString(QChar(0x2714)) : QStringLiteral("x"));
}

Kurswaage::~Kurswaage()
{
    delete ui;
}

// Row 11 (index 0) or row 12 (index 1), caption first.
void Kurswaage::setOptionalRowEnabled(int index, bool enabled)
{
    const int row = kOptionalRows[index];
    (ui->*kRowCaptions[row])->setEnabled(enabled);
    (ui->*kSubjectChoices[row])->setEnabled(enabled);
    for (const HalfYearColumn &column : kColumns)
        (ui->*column.rows[row])->setEnabled(enabled);
}

// The second and third "Prüfen" and "Zulassung".
void Kurswaage::setLaterStepsEnabled(bool enabled)
{
    for (int c = 1; c < kHalfYears; ++c)
        (ui->*kColumns[c].check)->setEnabled(enabled);
}

// Records the column's points, shows its average and appends its weak
// courses to its list, counting them into the tallies. Nothing is cleared:
// a second press lists and counts again.
void Kurswaage::checkHalfYear(int index)
{
    const HalfYearColumn &column = kColumns[index];
    if (index + 1 < kHalfYears)  // each check unlocks the next
        (ui->*kColumns[index + 1].check)->setEnabled(true);

    ColumnPoints &points = state.coursePoints[index];
    for (int row = 0; row < kSubjectRows; ++row)
        points[row] = float((ui->*column.rows[row])->value());

    showResult(ui->*column.average, grading::formatNumber(grading::halfYearAverage(points, state.extraSubjects)));

    QTextBrowser *list = ui->*column.list;
    const QColor background = list->palette().color(QPalette::Base);
    for (const grading::ListLine &line : grading::halfYearListing(points, state.extraSubjects, column.rowOneLast)) {
        list->setTextColor(verdictcolours::forVerdict(line.kind == grading::ListLine::Passed, background));
        list->append(grading::listLineText(line));
        if (line.kind == grading::ListLine::ZeroPoints)
            --state.zeroTally;
        else if (line.kind == grading::ListLine::UnderFive)
            ++state.underFiveTally;
    }
}

void Kurswaage::on_pushButton_7_clicked()
{
    checkHalfYear(0);
}

void Kurswaage::on_pushButton_6_clicked()
{
    checkHalfYear(1);
}

void Kurswaage::on_pushButton_8_clicked()
{
    checkHalfYear(2);
}

// "Zulassung": the fourth half-year like the others, then admission from
// all courses and the tallies of the four half-years.
void Kurswaage::on_pushButton_4_clicked()
{
    for (int c = 0; c < kHalfYears; ++c) {
        for (int row = 0; row < kSubjectRows; ++row) {
            const int value = (ui->*kColumns[c].rows[row])->value();
            state.coursePoints[c][row] = float(value);
            state.courseWholePoints[c][row] = value;
        }
    }
    state.blockOnePoints = grading::blockOnePoints(state.courseWholePoints, state.extraSubjects,
                                                   state.doubleWeighting != 0);
    checkHalfYear(kHalfYears - 1);

    const grading::AdmissionInput input{state.blockOnePoints, grading::hasZeroCourse(state.coursePoints),
                                        state.underFiveTally, state.zeroTally, state.extraSubjects};
    const grading::Admission verdict = grading::admissionVerdict(input);
    const bool admitted = verdict == grading::Admission::Admitted;
    showVerdictMark(ui->label_21, admitted);
    showResult(ui->label_22, grading::admissionSentence(verdict));
    state.zeroTally = grading::zeroTallyAfterAdmission(input);
}

// "Abiturprüfung"
void Kurswaage::on_pushButton_5_clicked()
{
    for (int i = 0; i < kExamComponents; ++i)
        state.examPoints[i] = (ui->*kExamRows[i].points)->value();
    state.blockTwoPoints = grading::blockTwoPoints(state.examPoints);

    const bool passed = grading::examinationsPassed(state.examPoints);
    showVerdictMark(ui->label_29, passed);
    showResult(ui->label_30, passed ? QStringLiteral("bestanden") : QStringLiteral("nicht bestanden!"));
}

// "Berechnen" works on what the checks recorded, not on the spin boxes.
void Kurswaage::on_pushButton_clicked()
{
    const bool zeroExam = std::count(state.examPoints.begin(), state.examPoints.end(), 0) > 0;
    showResult(ui->label_34, grading::overallResult(
        {state.blockOnePoints, state.blockTwoPoints, grading::hasZeroCourse(state.coursePoints), zeroExam}));
}

// "Beispiel ": rows 1-10 and the examinations; rows 11 and 12 only when
// switched on.
void Kurswaage::on_pushButton_9_clicked()
{
    int rows = kCompulsoryRows;
    if (state.extraSubjects == 2)
        rows = 12;
    else if (state.extraSubjects == 1 || state.eleventhSubject == 1)
        rows = 11;
    for (int c = 0; c < kHalfYears; ++c) {
        for (int row = 0; row < rows; ++row)
            (ui->*kColumns[c].rows[row])->setValue(examplecandidate::kCoursePoints[c][row]);
    }
    for (int i = 0; i < kExamComponents; ++i)
        (ui->*kExamRows[i].points)->setValue(examplecandidate::kExamPoints[i]);
}

// The four lists of weak courses and the tallies they were counted into.
void Kurswaage::clearListsAndTallies()
{
    for (const HalfYearColumn &column : kColumns)
        (ui->*column.list)->clear();
    state.underFiveTally = 0;
    state.zeroTally = 0;
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
    for (const HalfYearColumn &column : kColumns) {
        for (SpinBoxField spinBox : column.rows)
            (ui->*spinBox)->setValue(0);
    }
    for (const ExamRow &exam : kExamRows)
        (ui->*exam.points)->setValue(0);

    for (auto result = resultMeanings.cbegin(); result != resultMeanings.cend(); ++result)
        showResult(result.key(), QString());

    for (int i = 0; i < int(std::size(kOptionalRows)); ++i)
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
    muendlicheNachpruefung dialog;
    dialog.setModal(true);
    dialog.exec();
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
