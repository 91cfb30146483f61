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

    // Text shown as the new points for the given written and re-examination
    // points (each 0 to 15): (2 * written + reexamination) / 3, not rounded,
    // at most six significant digits, e.g. "8.33333" for 10 and 5.
    static QString newPointsText(int writtenPoints, int reexaminationPoints);

private slots:
    void on_pushButton_4_clicked();  // errechnen
    void on_pushButton_2_clicked();  // Verwerfen

private:
    Ui::muendlicheNachpruefung *ui;
    QString resultMeaning;  // what the new points stand for, for screen readers
};
