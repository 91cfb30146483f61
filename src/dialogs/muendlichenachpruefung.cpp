#include "muendlichenachpruefung.h"

#include "accessibletext.h"
#include "announcedresult.h"
#include "desktopsetup.h"
#include "grading.h"
#include "subjectcatalogues.h"
#include "ui_muendlichenachpruefung.h"

muendlicheNachpruefung::muendlicheNachpruefung(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::muendlicheNachpruefung)
{
    // Before the form: naming its parts already asks for their interfaces.
    installAccessibleTexts();
    ui->setupUi(this);

    // The choice is only a label for the student; no calculation reads it.
    for (const std::string &subject : catalogues::oralReexamination())
        ui->comboBox->addItem(QString::fromStdString(subject));
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
