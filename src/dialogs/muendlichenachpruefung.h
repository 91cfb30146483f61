#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class muendlicheNachpruefung;
}

// Small calculator for the result of an examination subject after an oral
// re-examination: the written result counts twice, the oral one once. The
// user reads the new points off the dialog and copies them into the main form
// by hand; nothing is passed in or back.
class muendlicheNachpruefung : public QDialog
{
    Q_OBJECT

public:
    explicit muendlicheNachpruefung(QWidget *parent = nullptr);
    ~muendlicheNachpruefung() override;

private slots:
    void on_pushButton_4_clicked();  // errechnen
    void on_pushButton_2_clicked();  // Verwerfen

private:
    Ui::muendlicheNachpruefung *ui;
    QString resultMeaning;  // what the new points stand for, for screen readers
};
