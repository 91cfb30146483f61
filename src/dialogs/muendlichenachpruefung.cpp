#include "dialogs/muendlichenachpruefung.h"

#include "app/announcedresult.h"
#include "app/captionfit.h"
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
    ui->setupUi(this);

    for (const char *subject : examinationSubjects)
        ui->comboBox->addItem(QString::fromUtf8(subject));
    resultMeaning = ui->label_5->accessibleName();
    keepCaptionsWhole(this);
}

muendlicheNachpruefung::~muendlicheNachpruefung()
{
    delete ui;
}

QString muendlicheNachpruefung::newPointsText(int writtenPoints, int reexaminationPoints)
{
    // Rounding to whole points ("Bei n,5 wird aufgerundet.") is left to the
    // user, so the exact quotient is shown.
    const double newPoints = (2 * writtenPoints + reexaminationPoints) / 3.0;
    return QString::number(newPoints, 'g', 6);
}

void muendlicheNachpruefung::on_pushButton_4_clicked()
{
    showAnnouncedResult(ui->label_5, resultMeaning, newPointsText(ui->spinBox->value(), ui->spinBox_2->value()));
}

void muendlicheNachpruefung::on_pushButton_2_clicked()
{
    // The chosen subject stays as it is.
    ui->spinBox->setValue(0);
    ui->spinBox_2->setValue(0);
    showAnnouncedResult(ui->label_5, resultMeaning, QString());
}
