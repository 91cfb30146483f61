#include "kurswaage.h"

#include "accessibletext.h"
#include "announcedresult.h"
#include "desktopsetup.h"
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

// The repeated widgets of the form, found once by the names in mainform.h
// and form.h.
struct Kurswaage::RepeatedWidgets {
    struct HalfYearColumn {
        QSpinBox *rows[kSubjectRows];
        QTextBrowser *list;
        QPushButton *check;  // "Prüfen"; for the fourth column "Zulassung"
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
    QLabel *results[form::kResultCount] = {};

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
            find(columns[c].check, mainform::kColumns[c].check);
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
        for (int r = 0; r < form::kResultCount; ++r)
            find(results[r], form::kResultLabels[r].objectName);
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
    showState();  // the start state: the later steps and rows 11 and 12 closed
    for (const auto &catalogue : catalogues::mainForm()) {
        auto *choice = findChild<QComboBox *>(QLatin1String(catalogue.choice));
        for (const std::string &entry : catalogue.entries)
            choice->addItem(QString::fromStdString(entry));
    }
    nameForScreenReaders();
    setNarrowLayout(this, kNarrowLayout, {"horizontalLayout_3"});
    settleIntoDesktop(this);

    // F1 asks for help as in every desktop program.
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, ui->pushButton_2, &QPushButton::click);
}

// Names a screen reader announces for every input: the captions alone
// repeat ("Prüfen", "mdl."). The results are named as they are shown
// (showResult). Nothing visible changes.
void Kurswaage::nameForScreenReaders()
{
    const auto named = [](QWidget *widget, const std::string &name) {
        widget->setAccessibleName(QString::fromStdString(name));
    };
    for (int c = 0; c < kHalfYears; ++c) {
        const auto &column = grid->columns[c];
        for (int row = 0; row < kSubjectRows; ++row)
            named(column.rows[row], mainform::coursePointsName(c, row));
        named(column.list, mainform::weakCoursesName(c));
    }
    // On Linux a combo box is announced by the label it is the buddy of.
    for (int row = 0; row < kSubjectRows; ++row) {
        named(grid->subjectChoices[row], mainform::subjectChoiceName(row));
        grid->rowCaptions[row]->setBuddy(grid->subjectChoices[row]);
    }
    for (int c = 0; c + 1 < kHalfYears; ++c)
        named(grid->columns[c].check, mainform::checkName(c));
    for (const auto &exam : grid->exams) {
        const std::string caption = exam.caption->text().toStdString();
        named(exam.points, mainform::examPointsName(caption));
        named(exam.subject, mainform::examSubjectName(caption));
        exam.caption->setBuddy(exam.subject);
        if (exam.oralReexamination)
            named(exam.oralReexamination, mainform::oralReexaminationName(caption));
    }
    // Qt would name the inner group box after the outer one. Its question
    // is said as the context of its answers, which keep their captions.
    ui->groupBox_3->setAccessibleName(ui->groupBox_3->title());
    // The caption labels the mark beside it: read out on its own when the
    // window opens, it would sound like a verdict.
    ui->label_20->setBuddy(ui->label_21);
    // Results can be selected and copied, as in any other program.
    for (QLabel *result : grid->results)
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

Kurswaage::~Kurswaage()
{
    delete ui;
}

// Every slot: the points as the fields hold them now, one step of the form,
// and what it left to show, to say and to open.
void Kurswaage::press(form::Button button)
{
    readPoints();
    formState = form::press(std::move(formState), button);
    showState();
    switch (formState.opens) {
    case form::Window::Help:
        // One more non-modal window per press, owned by this dialog.
        helpWindow = new Hilfe(this);
        helpWindow->show();
        break;
    case form::Window::OralReexamination:
        openOralReexamination();
        break;
    case form::Window::None:
        break;
    }
}

void Kurswaage::readPoints()
{
    for (int c = 0; c < kHalfYears; ++c) {
        for (int row = 0; row < kSubjectRows; ++row)
            formState.coursePoints[c][row] = grid->columns[c].rows[row]->value();
    }
    for (int i = 0; i < kExamComponents; ++i)
        formState.examPoints[i] = grid->exams[i].points->value();
}

void Kurswaage::showState()
{
    for (int c = 0; c < kHalfYears; ++c) {
        for (int row = 0; row < kSubjectRows; ++row)
            grid->columns[c].rows[row]->setValue(formState.coursePoints[c][row]);
    }
    for (int i = 0; i < kExamComponents; ++i)
        grid->exams[i].points->setValue(formState.examPoints[i]);

    for (int r = 0; r < form::kResultCount; ++r)
        showResult(form::Result(r));
    for (int c = 0; c < kHalfYears; ++c)
        showList(c);

    for (int c = 0; c < kHalfYears; ++c)
        grid->columns[c].check->setEnabled(formState.checkEnabled[c]);
    for (int row = kCompulsoryRows; row < kSubjectRows; ++row) {
        const bool enabled = form::isRowEnabled(formState, row);
        grid->rowCaptions[row]->setEnabled(enabled);
        grid->subjectChoices[row]->setEnabled(enabled);
        for (const auto &column : grid->columns)
            column.rows[row]->setEnabled(enabled);
    }
    ui->pushButton_12->setEnabled(formState.twelfthSubjectEnabled);
    ui->pushButton_18->setEnabled(formState.doubleWeightingEnabled);

    announce(this, {QString::fromStdString(formState.announcement)});
}

// The result's text, and its name for screen readers: what it means and
// what it shows. A verdict mark is coloured through its palette, readable
// on the window behind it; an emptied mark keeps its last colour.
void Kurswaage::showResult(form::Result result)
{
    const form::Shown &shown = formState.results[int(result)];
    QLabel *label = grid->results[int(result)];
    const QString text = QString::fromStdString(shown.text);
    if (label->text() != text)
        label->setText(text);
    const QString name = QString::fromStdString(form::accessibleName(result, shown));
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
    if (shown.mark == form::Mark::None)
        return;
    const QColor background = label->parentWidget()->palette().color(QPalette::Window);
    const QBrush brush(verdictcolours::forVerdict(shown.mark == form::Mark::Passed, background), Qt::SolidPattern);
    QPalette palette = label->palette();
    palette.setBrush(QPalette::All, label->backgroundRole(), brush);
    palette.setBrush(QPalette::All, label->foregroundRole(), brush);
    label->setPalette(palette);
}

// A list box only ever grows by appended lines, each in its colour, until
// the form empties it.
void Kurswaage::showList(int halfYear)
{
    const std::vector<form::Shown> &lines = formState.lists[halfYear];
    QTextBrowser *list = grid->columns[halfYear].list;
    int &shown = listLinesShown[halfYear];
    if (int(lines.size()) < shown) {
        list->clear();
        shown = 0;
    }
    const QColor background = list->palette().color(QPalette::Base);
    for (; shown < int(lines.size()); ++shown) {
        const form::Shown &line = lines[shown];
        list->setTextColor(verdictcolours::forVerdict(line.mark == form::Mark::Passed, background));
        list->append(QString::fromStdString(line.text));
    }
}

void Kurswaage::on_pushButton_7_clicked()
{
    press(form::Button::CheckFirstHalfYear);
}

void Kurswaage::on_pushButton_6_clicked()
{
    press(form::Button::CheckSecondHalfYear);
}

void Kurswaage::on_pushButton_8_clicked()
{
    press(form::Button::CheckThirdHalfYear);
}

void Kurswaage::on_pushButton_4_clicked()
{
    press(form::Button::Admission);
}

void Kurswaage::on_pushButton_5_clicked()
{
    press(form::Button::Examinations);
}

void Kurswaage::on_pushButton_clicked()
{
    press(form::Button::Calculate);
}

void Kurswaage::on_pushButton_9_clicked()
{
    press(form::Button::Example);
}

void Kurswaage::on_pushButton_13_clicked()
{
    press(form::Button::Clear);
}

void Kurswaage::on_pushButton_10_clicked()
{
    press(form::Button::Reset);
}

void Kurswaage::on_pushButton_11_clicked()
{
    press(form::Button::EleventhSubject);
}

void Kurswaage::on_pushButton_12_clicked()
{
    press(form::Button::TwelfthSubject);
}

void Kurswaage::on_pushButton_18_clicked()
{
    press(form::Button::DoubleWeighting);
}

void Kurswaage::on_pushButton_2_clicked()
{
    press(form::Button::Help);
}

// The "mdl." buttons all open a fresh calculator; nothing passes between
// it and this form.
void Kurswaage::openOralReexamination()
{
    muendlicheNachpruefung dialog;
    dialog.exec();  // modal, as exec() always is
}

void Kurswaage::on_pushButton_17_clicked()
{
    press(form::Button::OralReexamination1);
}

void Kurswaage::on_pushButton_16_clicked()
{
    press(form::Button::OralReexamination2);
}

void Kurswaage::on_pushButton_14_clicked()
{
    press(form::Button::OralReexamination3);
}

void Kurswaage::on_pushButton_15_clicked()
{
    press(form::Button::OralReexamination4);
}
