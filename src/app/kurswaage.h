#pragma once

#include "form.h"

#include <QDialog>

#include <array>
#include <memory>

class Hilfe;
namespace Ui {
class Kurswaage;
}

// The main window: the course grid of the four half-years, the
// examinations, and one button per evaluation step. Each slot hands the
// points fields to the form's steps (form::press) and shows what comes
// back; the steps themselves live in form.h.
class Kurswaage : public QDialog
{
    Q_OBJECT

public:
    explicit Kurswaage(QWidget *parent = nullptr);
    ~Kurswaage() override;

    const EvaluationState &evaluationState() const { return formState.record; }

private slots:
    void on_pushButton_2_clicked();   // Hilfe
    void on_pushButton_4_clicked();   // Zulassung
    void on_pushButton_9_clicked();   // Beispiel
    void on_pushButton_7_clicked();   // Prüfen, 1. KHJ
    void on_pushButton_6_clicked();   // Prüfen, 2. KHJ
    void on_pushButton_8_clicked();   // Prüfen, 3. KHJ
    void on_pushButton_10_clicked();  // Zurücksetzen
    void on_pushButton_5_clicked();   // Abiturprüfung
    void on_pushButton_clicked();     // Berechnen
    void on_pushButton_13_clicked();  // Leeren
    void on_pushButton_17_clicked();  // mdl., Prüfungsfach 1
    void on_pushButton_16_clicked();  // mdl., Prüfungsfach 2
    void on_pushButton_14_clicked();  // mdl., Prüfungsfach 3
    void on_pushButton_15_clicked();  // mdl., Prüfungsfach 4
    void on_pushButton_11_clicked();  // 11. Fach
    void on_pushButton_12_clicked();  // 12. Fach
    void on_pushButton_18_clicked();  // doppelt wichten

private:
    struct RepeatedWidgets;

    void nameForScreenReaders();
    void press(form::Button button);
    void readPoints();
    void showState();
    void showResult(form::Result result);
    void showList(int halfYear);
    void openOralReexamination();

    Ui::Kurswaage *ui;
    std::unique_ptr<const RepeatedWidgets> grid;  // the half-year columns, rows, examinations and results
    Hilfe *helpWindow = nullptr;  // the one opened last; all are children of this dialog
    form::FormState formState;
    std::array<int, kHalfYears> listLinesShown{};  // lines each list box holds
};
