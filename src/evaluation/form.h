#pragma once

#include "evaluationstate.h"
#include "grading.h"

#include <array>
#include <string>
#include <vector>

// The steps of the main form, without a widget: what the form holds is one
// value, FormState, and each button press turns it into the next one. A
// face (the desktop dialog, the web page) copies its points fields into
// the state, calls press() and shows what comes back: points, results,
// lists, which controls are enabled, what a screen reader says and which
// window opens.
namespace form {

// The main form's buttons, in the order of the main dialog's slots.
// "Beenden" is not among them: it only closes the window.
enum class Button {
    Help,                  // "Hilfe"
    Admission,             // "Zulassung": the fourth half-year and admission
    Example,               // "Beispiel "
    CheckFirstHalfYear,    // "Prüfen" under "1. KHJ"
    CheckSecondHalfYear,   // "Prüfen" under "2. KHJ"
    CheckThirdHalfYear,    // "Prüfen" under "3. KHJ"
    Reset,                 // "Zurücksetzen"
    Examinations,          // "Abiturprüfung"
    Calculate,             // "Berechnen"
    Clear,                 // "Leeren"
    OralReexamination1,    // "mdl." beside "Prüfungsfach 1" .. 4
    OralReexamination2,
    OralReexamination3,
    OralReexamination4,
    EleventhSubject,       // "11. Fach"
    TwelfthSubject,        // "12. Fach"
    DoubleWeighting,       // "doppelt wichten"
};
constexpr int kButtonCount = 17;

// Object names of the buttons, in the order of Button.
inline constexpr const char *kButtonNames[kButtonCount] = {
    "pushButton_2",  "pushButton_4",  "pushButton_9",  "pushButton_7",  "pushButton_6",  "pushButton_8",
    "pushButton_10", "pushButton_5",  "pushButton",    "pushButton_13", "pushButton_17", "pushButton_16",
    "pushButton_14", "pushButton_15", "pushButton_11", "pushButton_12", "pushButton_18",
};

// The labels that show results. Each is named for screen readers by what
// it means and what it shows ("Gesamtdurchschnitt: 2,1").
enum class Result {
    FirstAverage,       // under "1. KHJ" .. "4. KHJ"
    SecondAverage,
    ThirdAverage,
    FourthAverage,
    AdmissionMark,      // beside "Zur Abiturprüfung zugelassen:"
    AdmissionReason,
    ExaminationMark,    // beside "Abiturprüfungen:"
    ExaminationResult,
    Overall,            // beside "Durchschnitt:"
};
constexpr int kResultCount = 9;

struct ResultLabel {
    const char *objectName;
    const char *meaning;
};
inline constexpr ResultLabel kResultLabels[kResultCount] = {
    {"label_32", "Durchschnitt 1. KHJ"},
    {"label_36", "Durchschnitt 2. KHJ"},
    {"label_37", "Durchschnitt 3. KHJ"},
    {"label_33", "Durchschnitt 4. KHJ"},
    {"label_21", "Zur Abiturprüfung zugelassen"},
    {"label_22", "Begründung der Zulassung"},
    {"label_29", "Abiturprüfungen bestanden"},
    {"label_30", "Ergebnis der Abiturprüfungen"},
    {"label_34", "Gesamtdurchschnitt"},
};

// A verdict mark: "✔" in green for a pass, "x" in red for a failure.
enum class Mark { None, Passed, Failed };

// A result as shown, or a line of a list: "bestanden" is marked as passed,
// a weak course as failed, and they are coloured so.
struct Shown {
    std::string text;
    Mark mark = Mark::None;  // among the results, set for the two verdict marks only
};

enum class Window { None, Help, OralReexamination };

struct FormState {
    // The points fields as the student filled them in, or as "Beispiel "
    // and "Zurücksetzen" set them; whole points 0 to 15.
    std::array<std::array<int, kSubjectRows>, kHalfYears> coursePoints{};  // [half-year][row]
    ExamPoints examPoints{};

    std::array<Shown, kResultCount> results;
    // The lists of weak courses under the half-years, every line ever
    // appended since they were last emptied.
    std::array<std::vector<Shown>, kHalfYears> lists;

    // Enabled controls; all others are always enabled.
    std::array<bool, kHalfYears> checkEnabled{true, false, false, false};  // "Prüfen" 1-3, "Zulassung"
    std::array<bool, 2> optionalRowEnabled{};  // rows 11 and 12: caption, subject and points
    bool twelfthSubjectEnabled = false;        // "12. Fach"
    bool doubleWeightingEnabled = true;        // "doppelt wichten"

    // What the last press has a screen reader say, as one utterance of
    // sentences; empty when it showed nothing.
    std::string announcement;
    // The window the last press opens.
    Window opens = Window::None;

    // What the checks recorded for later steps.
    EvaluationState record;
};

// The next state after `button` was pressed. A disabled button does
// nothing, as with the mouse. Points outside 0 to 15 are taken as the
// nearest of them.
FormState press(FormState state, Button button);

bool isEnabled(const FormState &state, Button button);
// Rows 1 to 10 always; row 11 (index 10) and 12 (index 11) once switched on.
bool isRowEnabled(const FormState &state, int row);

// "Gesamtdurchschnitt: 2,1", "Zur Abiturprüfung zugelassen: ja"; empty for
// an empty result, so that reading the window out does not sound like a
// verdict.
std::string accessibleName(Result result, const Shown &shown);
// The same for any result: what it means, and what it says.
std::string namedResult(const std::string &meaning, const std::string &spoken);

// Parts said in one go: each ends as a sentence, empty ones are left out.
std::string utterance(const std::vector<std::string> &parts);

// "✔" and "x", and the words a screen reader says for them.
std::string markText(Mark mark);
std::string spokenMark(Mark mark);

}  // namespace form
