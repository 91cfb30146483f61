#include "muendlichenachpruefung.h"

#include "accessibletext.h"
#include "announcedresult.h"
#include "desktopsetup.h"
#include "grading.h"
#include "ui_muendlichenachpruefung.h"

namespace {

// Examination subjects offered in the dialog. The choice is only a label for
// the user; no calculation reads it.
const char *const examinationSubjects[] = {
    "-------",
    "Deutsch",
    "Englisch",
    "Französisch",
    "Russisch",
    "Latein",
    "Mathe",
    "Biologie",
    "Physik",
    "Chemie",
};

} // namespace

muendlicheNachpruefung::muendlicheNachpruefung(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::muendlicheNachpruefung)
{
    // Before the form: naming its parts already asks for their interfaces.
    installAccessibleTexts();
    ui->setupUi(this);

    for (const char *subject : examinationSubjects)
        ui->comboBox->addItem(QString::fromUtf8(subject));
    resultMeaning = ui->label_5->accessibleName();
    ui->label_5->setAccessibleName(QString());  // nothing computed yet
    ui->label_5->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Return in a points field computes; Escape still leaves.
    ui->pushButton_4->setDefault(true);
    settleIntoDesktop(this);
}

muendlicheNachpruefung::~muendlicheNachpruefung()
{
    delete ui;
}

void muendlicheNachpruefung::on_pushButton_4_clicked()
{
    const QString points = QString::fromStdString(
        grading::oralReexaminationPoints(ui->spinBox->value(), ui->spinBox_2->value()));
    announce(this, {showAnnouncedResult(ui->label_5, resultMeaning, points)});
}

void muendlicheNachpruefung::on_pushButton_2_clicked()
{
    // The chosen subject stays as it is.
    ui->spinBox->setValue(0);
    ui->spinBox_2->setValue(0);
    showAnnouncedResult(ui->label_5, resultMeaning, QString());
}
