// The rules and the steps of the form in tables, without Qt: points and
// button presses in, what the form then shows, enables and says out. The
// widget tests only check that the windows show what comes out here.
#include "form.h"
#include "grading.h"
#include "publishedgrades.h"

#include <initializer_list>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

using namespace form;
using grading::AdmissionInput;
using grading::OverallInput;
using Column = std::array<int, kSubjectRows>;
using Courses = std::array<Column, kHalfYears>;

namespace {

int failures = 0;
std::string currentCase;

void expect(const std::string &got, const std::string &want, const char *what)
{
    if (got == want)
        return;
    ++failures;
    std::cerr << "FAIL " << currentCase << ": " << what << ": got \"" << got << "\", want \"" << want << "\"\n";
}

void expect(long got, long want, const char *what)
{
    expect(std::to_string(got), std::to_string(want), what);
}

FormState pressed(FormState state, std::initializer_list<Button> buttons)
{
    for (Button button : buttons)
        state = press(std::move(state), button);
    return state;
}

const std::string &shown(const FormState &state, Result result)
{
    return state.results[int(result)].text;
}

// A list's lines as "bestanden|0 NP im 2. Fach".
std::string listText(const FormState &state, int halfYear)
{
    std::string text;
    for (const grading::ListLine &line : state.lists[halfYear])
        text += (text.empty() ? "" : "|") + grading::listLineText(line);
    return text;
}

// The controls that are not always enabled, by object name, those enabled
// now; rows 11 and 12 as "row11", "row12".
std::string enabledSteps(const FormState &state)
{
    std::string text;
    auto add = [&text](bool enabled, const std::string &name) {
        if (enabled)
            text += (text.empty() ? "" : " ") + name;
    };
    for (Button b : {Button::CheckSecondHalfYear, Button::CheckThirdHalfYear, Button::Admission,
                     Button::TwelfthSubject, Button::DoubleWeighting})
        add(isEnabled(state, b), kButtonNames[int(b)]);
    add(isRowEnabled(state, 10), "row11");
    add(isRowEnabled(state, 11), "row12");
    return text;
}

Column column(int points, std::initializer_list<std::pair<int, int>> changed = {})
{
    Column c;
    c.fill(points);
    for (auto [row, value] : changed)
        c[row - 1] = value;
    return c;
}

// Courses of twelve rows whose first `rows` rows add up to `sum`: every
// course gets sum / courses, the first ones a point more; rows beyond get 0.
Courses coursesWithSum(int sum, int rows)
{
    Courses courses{};
    const int count = kHalfYears * rows;
    for (int i = 0; i < count; ++i)
        courses[i / rows][i % rows] = sum / count + (i < sum % count ? 1 : 0);
    return courses;
}

const Button kChecks[kHalfYears] = {Button::CheckFirstHalfYear, Button::CheckSecondHalfYear,
                                    Button::CheckThirdHalfYear, Button::Admission};

void halfYearChecks()
{
    std::string tenZeros, tenFours;
    for (int row = 1; row <= 10; ++row) {
        tenZeros += "|0 NP im " + std::to_string(row) + ". Fach";
        tenFours += "|unter 05 NP im " + std::to_string(row) + ". Fach";
    }
    struct Case {
        const char *name;
        std::vector<Button> options;
        int halfYear;
        Column points;
        std::string average, lines;
        int zeros, underFive;  // courses listed at 0 and at 1-4 points
    } cases[] = {
        {"all 0", {}, 0, column(0), "0", tenZeros.substr(1), 10, 0},
        {"all 15", {}, 1, column(15), "15", "bestanden", 0, 0},
        {"all 4", {}, 0, column(4), "4", tenFours.substr(1), 0, 10},
        {"one 5 passes", {}, 0, column(0, {{1, 5}}), "0.5", "bestanden" + tenZeros.substr(tenZeros.find("|0 NP im 2.")), 9, 0},
        {"4 listed, 5 not", {}, 2, column(9, {{3, 4}, {4, 5}}), "8.1", "bestanden|unter 05 NP im 3. Fach", 0, 1},
        {"third lists row 1 last", {}, 2, column(9, {{1, 3}, {2, 0}}), "7.5",
         "bestanden|0 NP im 2. Fach|unter 05 NP im 1. Fach", 1, 1},
        {"second lists row 1 first", {}, 1, column(9, {{1, 3}, {2, 0}}), "7.5",
         "bestanden|unter 05 NP im 1. Fach|0 NP im 2. Fach", 1, 1},
        {"third, twelve: 11 and 12 after 1", {Button::EleventhSubject, Button::TwelfthSubject}, 2,
         column(9, {{1, 3}, {11, 2}, {12, 0}}), "7.16667",
         "bestanden|unter 05 NP im 1. Fach|unter 05 NP im 11. Fach|0 NP im 12. Fach", 1, 2},
        {"rows 11, 12 not in force", {}, 0, column(9, {{11, 0}, {12, 0}}), "9", "bestanden", 0, 0},
        {"eleven: row 12 not in force", {Button::EleventhSubject}, 1, column(9, {{11, 1}, {12, 0}}), "8.27273",
         "bestanden|unter 05 NP im 11. Fach", 0, 1},
        {"rows 11, 12 never pass", {Button::EleventhSubject, Button::TwelfthSubject}, 0,
         column(4, {{11, 15}, {12, 15}}), "5.83333", tenFours.substr(1), 0, 10},
        {"twelve: 112 over 12", {Button::EleventhSubject, Button::TwelfthSubject}, 1,
         column(8, {{1, 12}, {2, 12}, {3, 12}, {4, 12}}), "9.33333", "bestanden", 0, 0},
    };
    for (const Case &c : cases) {
        currentCase = std::string("half-year check, ") + c.name;
        FormState state;
        for (Button option : c.options)
            state = press(std::move(state), option);
        state.checkEnabled.fill(true);  // straight to this column's check
        state.record.zeroTally = -2;    // what earlier checks counted stays
        state.record.underFiveTally = 3;
        state.coursePoints[c.halfYear] = c.points;
        state = press(std::move(state), kChecks[c.halfYear]);
        expect(shown(state, Result(int(Result::FirstAverage) + c.halfYear)), c.average, "average");
        expect(listText(state, c.halfYear), c.lines, "lines");
        expect(state.record.zeroTally, -2 - c.zeros, "zero tally");
        expect(state.record.underFiveTally, 3 + c.underFive, "under-5 tally");
        for (int row = 0; row < kSubjectRows; ++row)
            expect(long(state.record.coursePoints[c.halfYear][row]), c.points[row], "recorded points");
        // A second press lists and counts the column again.
        state = press(std::move(state), kChecks[c.halfYear]);
        expect(listText(state, c.halfYear), c.lines + (c.lines.empty() ? "" : "|") + c.lines, "lines twice");
        expect(state.record.underFiveTally, 3 + 2 * c.underFive, "under-5 tally twice");
    }
}

void admissionThroughTheForm()
{
    const std::string admitted = "Du bist zugelassen.";
    Courses strongFirstRows = coursesWithSum(240, 12);  // 5 points each
    for (auto &c : strongFirstRows)
        c[0] = c[1] = 15;
    Courses row11AtZero = coursesWithSum(440, 11);
    row11AtZero[3][10] = 0;
    Courses row1AtZero = coursesWithSum(400, 10);
    row1AtZero[2][0] = 0;
    struct Case {
        const char *name;
        std::vector<Button> options;
        Courses courses;
        int blockOne;
        std::string mark, reason;
    } cases[] = {
        {"199 over 40", {}, coursesWithSum(199, 10), 199, "x", "Du bist nicht zugelassen."},
        {"all 15", {}, coursesWithSum(600, 10), 600, "\u2714", admitted},
        {"all 15, eleven", {Button::EleventhSubject}, coursesWithSum(660, 11), 600, "\u2714", admitted},
        {"290 over 48 rounds up", {Button::EleventhSubject, Button::TwelfthSubject}, coursesWithSum(290, 12), 242,
         "\u2714", admitted},
        {"291 over 48: .5 up", {Button::EleventhSubject, Button::TwelfthSubject}, coursesWithSum(291, 12), 243,
         "\u2714", admitted},
        {"292 over 48 rounds down", {Button::EleventhSubject, Button::TwelfthSubject}, coursesWithSum(292, 12), 243,
         "\u2714", admitted},
        {"all 15, doubling, twelve", {Button::EleventhSubject, Button::TwelfthSubject, Button::DoubleWeighting},
         coursesWithSum(720, 12), 600, "\u2714", admitted},
        {"rows 1, 2 doubled", {Button::DoubleWeighting}, strongFirstRows, 333, "\u2714", admitted},
        {"rows 1, 2 not doubled", {}, strongFirstRows, 280, "\u2714", admitted},
        {"rows 11, 12 ignored with ten", {}, coursesWithSum(480, 12), 400, "\u2714", admitted},
        {"a zero course in row 1, listed", {}, row1AtZero, 390, "x",
         "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen."},
        {"row 11 at 0 with eleven: counted, not a zero course", {Button::EleventhSubject}, row11AtZero, 391, "x",
         "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen."},
    };
    for (const Case &c : cases) {
        currentCase = std::string("Zulassung, ") + c.name;
        FormState state;
        for (Button option : c.options)
            state = press(std::move(state), option);
        state.coursePoints = c.courses;
        state = pressed(std::move(state), {Button::CheckFirstHalfYear, Button::CheckSecondHalfYear,
                                           Button::CheckThirdHalfYear, Button::Admission});
        expect(state.record.blockOnePoints, c.blockOne, "Block I");
        expect(shown(state, Result::AdmissionMark), c.mark, "mark");
        expect(long(state.results[int(Result::AdmissionMark)].mark), long(c.mark == "x" ? Mark::Failed : Mark::Passed),
               "mark's colour");
        expect(shown(state, Result::AdmissionReason), c.reason, "reason");
        for (int h = 0; h < kHalfYears; ++h)
            for (int row = 0; row < kSubjectRows; ++row)
                expect(state.record.courseWholePoints[h][row], c.courses[h][row], "recorded points");
    }
}

// The order in which the admission tests override one another, and the
// zero tally they leave.
void admissionVerdicts()
{
    const std::string admitted = "Du bist zugelassen.";
    const std::string outside = "Du bist nicht zugelassen.";
    const std::string zeroCourse =
        "Du bist ein oder mehrmals unter 0 Notenpunkte und bist damit nicht zum Abitur zugelassen.";
    const std::string tooOften =
        "Du hast zu oft unter 05 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    const std::string zeroTally = "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    struct Case {
        const char *name;
        AdmissionInput input;  // Block I, a zero course, under-5 tally, zero tally, extra subjects
        std::string sentence;
        int zeroTallyAfter;
    } cases[] = {
        {"199", {199, false, 0, 0, 0}, outside, 0},
        {"200", {200, false, 0, 0, 0}, admitted, 0},
        {"600", {600, false, 0, 0, 0}, admitted, 0},
        {"601", {601, false, 0, 0, 0}, outside, 0},
        {"zero course beats window", {400, true, 0, 0, 0}, zeroCourse, 0},
        {"7 under five, ten", {400, false, 7, 0, 0}, admitted, 0},
        {"8 under five, ten", {400, false, 8, 0, 0}, tooOften, 0},
        {"8 under five, eleven", {400, false, 8, 0, 1}, admitted, 0},
        {"9 under five, twelve", {400, false, 9, 0, 2}, admitted, 0},
        {"10 under five, twelve", {400, false, 10, 0, 2}, tooOften, 0},
        {"too often beats zero course", {150, true, 9, 0, 1}, tooOften, 0},
        {"zero tally beats all", {150, true, 8, -1, 0}, zeroTally, -1},
        {"tally cleared below limit", {400, true, 6, -2, 0}, zeroTally, 0},
        {"tally kept at limit", {400, true, 7, -2, 0}, zeroTally, -2},
        {"tally cleared, eleven", {400, true, 7, -2, 1}, zeroTally, 0},
        {"tally kept at limit, twelve", {400, true, 9, -2, 2}, zeroTally, -2},
    };
    for (const Case &c : cases) {
        currentCase = std::string("admission verdict, ") + c.name;
        expect(grading::admissionSentence(grading::admissionVerdict(c.input)), c.sentence, "sentence");
        expect(grading::zeroTallyAfterAdmission(c.input), c.zeroTallyAfter, "zero tally after");
    }
}

void examinations()
{
    struct Case {
        const char *name;
        ExamPoints points;
        int blockTwo;
        bool passed;
    } cases[] = {
        {"all 5", {5, 5, 5, 5, 5}, 100, true},
        {"all 15", {15, 15, 15, 15, 15}, 300, true},
        {"sum 24", {5, 5, 4, 5, 5}, 96, false},
        {"a 0 among 15s", {15, 15, 15, 0, 15}, 240, false},
        {"oral at 0", {15, 15, 15, 15, 0}, 240, false},
        {"weakest three 14", {11, 15, 2, 15, 1}, 176, false},
        {"weakest three 15", {15, 5, 15, 5, 5}, 180, true},
        {"a 1 among 15s passes", {15, 15, 15, 1, 15}, 244, true},
        {"all 0", {}, 0, false},
        {"16 and -1 taken as 15 and 0", {16, -1, 15, 15, 15}, 240, false},
    };
    for (const Case &c : cases) {
        currentCase = std::string("Abiturprüfung, ") + c.name;
        FormState state;
        state.examPoints = c.points;
        state = press(std::move(state), Button::Examinations);
        expect(state.record.blockTwoPoints, c.blockTwo, "Block II");
        expect(shown(state, Result::ExaminationMark), c.passed ? "\u2714" : "x", "mark");
        expect(shown(state, Result::ExaminationResult), c.passed ? "bestanden" : "nicht bestanden!", "result");
        expect(state.examPoints[1], c.points[1] < 0 ? 0 : c.points[1], "points field");
    }
}

void overallResults()
{
    const std::string failed = "Sie haben die Abiturprüfungen  nicht bestanden.";
    const std::string first = "Sie haben den ersten Block nicht bestanden und erhalten deshalb kein Abitur.";
    const std::string second = "Sie haben den zweiten Block nicht bestanden und erhalten deshalb kein Abitur.";
    const std::string neither = "Sie haben keinen Block bestanden und erhalten deshalb kein Abitur.";
    struct Case {
        const char *name;
        OverallInput input;  // Block I, Block II, a zero course, a zero examination
        std::string result;
    } cases[] = {
        {"example", {424, 216, false, false}, "2,1"},
        {"300 at the edges", {200, 100, false, false}, "4,0"},
        {"best", {600, 300, false, false}, "1,0"},
        {"block one 199", {199, 300, false, false}, failed},
        {"block two 96", {600, 96, false, false}, failed},
        {"total 299", {203, 96, false, false}, failed},
        {"zero course beats the grade", {500, 200, true, false}, first},
        {"zero exam beats the grade", {500, 200, false, true}, second},
        {"zero exam beats failed", {100, 0, false, true}, second},
        {"both zero", {500, 200, true, true}, neither},
        {"start: nothing recorded", {0, 0, true, true}, neither},
    };
    for (const Case &c : cases) {
        currentCase = std::string("Berechnen, ") + c.name;
        // "Berechnen" reads the record only: the points fields say otherwise.
        FormState state;
        state.record.blockOnePoints = c.input.blockOnePoints;
        state.record.blockTwoPoints = c.input.blockTwoPoints;
        for (auto &col : state.record.coursePoints)
            col.fill(9);
        state.record.coursePoints[3][9] = c.input.zeroCourse ? 0 : 9;
        state.record.coursePoints[2][10] = 0;  // row 11 has no say
        state.record.examPoints = {9, 9, 9, 9, c.input.zeroExam ? 0 : 9};
        state.examPoints = {0, 0, 0, 0, 0};
        state = press(std::move(state), Button::Calculate);
        expect(shown(state, Result::Overall), c.result, "result");
        expect(state.announcement, "Gesamtdurchschnitt: " + c.result + (c.result.back() == '.' ? "" : "."), "said");
    }
    currentCase = "grade of every total";
    for (int total = 290; total <= 900; ++total)
        expect(grading::gradeText(total), publishedGrade(total), std::to_string(total).c_str());
}

// The example candidate through every step, as the session walks it.
void exampleSession()
{
    currentCase = "example session";
    FormState state = press({}, Button::Example);
    expect(state.announcement, "", "Beispiel says nothing");
    const std::pair<Button, std::string> steps[] = {
        {Button::CheckFirstHalfYear, "Durchschnitt 1. KHJ: 10.6. bestanden."},
        {Button::CheckSecondHalfYear, "Durchschnitt 2. KHJ: 10.6. bestanden."},
        {Button::CheckThirdHalfYear, "Durchschnitt 3. KHJ: 10.6. bestanden. unter 05 NP im 9. Fach."},
        {Button::Admission, "Durchschnitt 4. KHJ: 10.6. bestanden. Zur Abiturprüfung zugelassen: ja. "
                            "Begründung der Zulassung: Du bist zugelassen."},
        {Button::Examinations, "Abiturprüfungen bestanden: ja. Ergebnis der Abiturprüfungen: bestanden."},
        {Button::Calculate, "Gesamtdurchschnitt: 2,1."},
    };
    for (const auto &[button, says] : steps) {
        state = press(std::move(state), button);
        expect(state.announcement, says, kButtonNames[int(button)]);
    }
    expect(listText(state, 2), "bestanden|unter 05 NP im 9. Fach", "third list");
    expect(state.record.blockTwoPoints, 216, "Block II");
    expect(accessibleName(Result::ExaminationMark, state.results[int(Result::ExaminationMark)]),
           "Abiturprüfungen bestanden: ja", "mark's name");

    // Failed marks are said as "nein"; the help and the calculators open windows.
    state.examPoints = {};
    state = press(std::move(state), Button::Examinations);
    expect(state.announcement, "Abiturprüfungen bestanden: nein. Ergebnis der Abiturprüfungen: nicht bestanden!",
           "failed examinations");
    expect(long(press(state, Button::Help).opens), long(Window::Help), "Hilfe opens");
    expect(long(press(state, Button::OralReexamination3).opens), long(Window::OralReexamination), "mdl. opens");
    expect(long(press(state, Button::Calculate).opens), long(Window::None), "Berechnen opens nothing");
}

// The example with an eleventh and a twelfth subject, with and without
// subjects 1 and 2 counted twice: averages and Block I worked out by hand
// (Block I: 40 x sum / courses counted, rounded; a doubled course counts
// twice in the sum and in the courses counted).
void exampleWithOptions()
{
    struct Case {
        const char *name;
        std::vector<Button> options;
        std::string averages;
        int blockOne;
        int row11, row12;  // the example's points in the first half-year, or what stayed
    } cases[] = {
        {"ten: 424 over 40", {}, "10.6 10.6 10.6 10.6", 424, 0, 0},
        {"ten doubled: 499 over 48", {Button::DoubleWeighting}, "10.6 10.6 10.6 10.6", 416, 0, 0},
        {"11: 466 over 44", {Button::EleventhSubject}, "10.5455 10.4545 10.6364 10.7273", 424, 10, 0},
        {"11 doubled: 541 over 52", {Button::EleventhSubject, Button::DoubleWeighting},
         "10.5455 10.4545 10.6364 10.7273", 416, 10, 0},
        {"12: 499 over 48", {Button::EleventhSubject, Button::TwelfthSubject}, "10.3333 10.3333 10.4167 10.5", 416,
         10, 8},
        {"12 doubled: 574 over 56", {Button::EleventhSubject, Button::TwelfthSubject, Button::DoubleWeighting},
         "10.3333 10.3333 10.4167 10.5", 410, 10, 8},
        {"11, 12, 11: eleven again", {Button::EleventhSubject, Button::TwelfthSubject, Button::EleventhSubject},
         "10.5455 10.4545 10.6364 10.7273", 424, 10, 0},
    };
    for (const Case &c : cases) {
        currentCase = std::string("example, ") + c.name;
        FormState state;
        for (Button option : c.options)
            state = press(std::move(state), option);
        state = pressed(std::move(state), {Button::Example, Button::CheckFirstHalfYear, Button::CheckSecondHalfYear,
                                           Button::CheckThirdHalfYear, Button::Admission, Button::Examinations,
                                           Button::Calculate});
        std::string averages;
        for (int h = 0; h < kHalfYears; ++h)
            averages += (h ? " " : "") + shown(state, Result(int(Result::FirstAverage) + h));
        expect(averages, c.averages, "averages");
        expect(state.record.blockOnePoints, c.blockOne, "Block I");
        expect(shown(state, Result::AdmissionReason), "Du bist zugelassen.", "reason");
        expect(shown(state, Result::Overall), "2,1", "grade");  // 216 + 410 to 424: 626 to 640
        expect(state.coursePoints[0][10], c.row11, "row 11");
        expect(state.coursePoints[0][11], c.row12, "row 12");
    }
}

// Which steps each button opens and closes, and the mode flags it sets.
void enablingChain()
{
    const Button check1 = Button::CheckFirstHalfYear, check2 = Button::CheckSecondHalfYear,
                 check3 = Button::CheckThirdHalfYear, admission = Button::Admission, eleven = Button::EleventhSubject,
                 twelve = Button::TwelfthSubject, doubling = Button::DoubleWeighting;
    struct Case {
        const char *name;
        std::vector<Button> presses;
        std::string enabled;
        int extraSubjects, doubleWeighting;
    } cases[] = {
        {"start", {}, "pushButton_18", 0, 0},
        {"11. Fach opens row 11 and 12. Fach", {eleven}, "pushButton_12 pushButton_18 row11", 1, 0},
        {"12. Fach opens row 12", {eleven, twelve}, "pushButton_12 pushButton_18 row11 row12", 2, 0},
        {"11. Fach again: eleven, row 12 stays open", {eleven, twelve, eleven},
         "pushButton_12 pushButton_18 row11 row12", 1, 0},
        {"12. Fach before 11. Fach does nothing", {twelve}, "pushButton_18", 0, 0},
        {"a check opens the next, even at 0 points", {check1}, "pushButton_6 pushButton_18", 0, 0},
        {"the third before the second does nothing", {check1, check3}, "pushButton_6 pushButton_18", 0, 0},
        {"the chain", {check1, check2, check3}, "pushButton_6 pushButton_8 pushButton_4 pushButton_18", 0, 0},
        {"Zulassung opens nothing", {check1, check2, check3, admission, admission},
         "pushButton_6 pushButton_8 pushButton_4 pushButton_18", 0, 0},
        {"Leeren closes the chain, not the rows", {eleven, check1, check2, check3, Button::Clear},
         "pushButton_12 pushButton_18 row11", 1, 0},
        {"doppelt wichten once", {doubling}, "", 0, 1},
        {"Leeren keeps doppelt wichten closed", {doubling, Button::Clear}, "", 0, 1},
        {"Zurücksetzen: back to the start", {eleven, twelve, doubling, check1, check2, check3, Button::Reset},
         "pushButton_18", 0, 0},
        {"the other buttons change nothing", {Button::Help, Button::Example, Button::Examinations, Button::Calculate,
                                              Button::OralReexamination1, Button::OralReexamination4},
         "pushButton_18", 0, 0},
    };
    for (const Case &c : cases) {
        currentCase = std::string("enabling, ") + c.name;
        FormState state;
        for (Button button : c.presses)
            state = press(std::move(state), button);
        expect(enabledSteps(state), c.enabled, "enabled");
        expect(state.record.extraSubjects, c.extraSubjects, "extra subjects");
        expect(state.record.doubleWeighting, c.doubleWeighting, "double weighting");
    }
}

// After the example (a course under 5 points), "Zurücksetzen" and "Leeren"
// forget what the checks counted: seven courses under 5, the most that ten
// subjects allow, are then admitted.
void countingStartsAfresh()
{
    for (Button button : {Button::Reset, Button::Clear}) {
        currentCase = std::string("counting afresh after ") + kButtonNames[int(button)];
        FormState state = pressed({}, {Button::Example, Button::CheckFirstHalfYear, Button::CheckSecondHalfYear,
                                       Button::CheckThirdHalfYear, Button::Admission, button});
        expect(listText(state, 2), "", "third list");
        for (int h = 0; h < kHalfYears; ++h)
            for (int row = 0; row < kCompulsoryRows; ++row)
                state.coursePoints[h][row] = h == 0 && row < 7 ? 4 : 10;
        state = pressed(std::move(state), {Button::CheckFirstHalfYear, Button::CheckSecondHalfYear,
                                           Button::CheckThirdHalfYear, Button::Admission});
        expect(state.record.underFiveTally, 7, "under-5 tally");
        expect(shown(state, Result::AdmissionReason), "Du bist zugelassen.", "reason");
    }
}

// "Zurücksetzen" shows what a fresh form shows; the recorded points stay,
// so "Berechnen" right after it shows the last result again. "Leeren"
// keeps points, averages and verdicts.
void resetAndClear()
{
    currentCase = "Zurücksetzen";
    const FormState worked = pressed({}, {Button::EleventhSubject, Button::TwelfthSubject, Button::DoubleWeighting,
                                          Button::Example, Button::CheckFirstHalfYear, Button::CheckSecondHalfYear,
                                          Button::CheckThirdHalfYear, Button::Admission, Button::Examinations,
                                          Button::Calculate});
    FormState reset = press(worked, Button::Reset);
    const FormState fresh;
    expect(reset.coursePoints == fresh.coursePoints && reset.examPoints == fresh.examPoints, true, "points 0");
    for (int r = 0; r < kResultCount; ++r)
        expect(shown(reset, Result(r)), "", form::kResultLabels[r].objectName);
    for (int h = 0; h < kHalfYears; ++h)
        expect(listText(reset, h), "", "lists");
    expect(enabledSteps(reset), enabledSteps(fresh), "enabled");
    expect(reset.announcement, "", "says nothing");
    expect(reset.record.extraSubjects + reset.record.eleventhSubject + reset.record.doubleWeighting +
               reset.record.zeroTally + reset.record.underFiveTally, 0, "flags and tallies");
    expect(reset.record.blockOnePoints, worked.record.blockOnePoints, "Block I kept");
    expect(shown(press(reset, Button::Calculate), Result::Overall), "2,1", "Berechnen after it");
    // "Beispiel " fills ten rows again; row 11 keeps its 0.
    reset = press(std::move(reset), Button::Example);
    expect(reset.coursePoints[0][10], 0, "row 11 after Beispiel");

    currentCase = "Leeren";
    const FormState cleared = press(worked, Button::Clear);
    expect(cleared.coursePoints == worked.coursePoints, true, "points kept");
    for (int r = 0; r < kResultCount; ++r)
        expect(shown(cleared, Result(r)), shown(worked, Result(r)), form::kResultLabels[r].objectName);
    expect(cleared.record.underFiveTally, 0, "tally");
}

void oralReexamination()
{
    struct Case {
        int written, oral;
        const char *shown;
    } cases[] = {{0, 0, "0"}, {10, 5, "8.33333"}, {6, 5, "5.66667"}, {4, 7, "5"}, {0, 1, "0.333333"},
                 {14, 15, "14.3333"}, {15, 15, "15"}};
    for (const Case &c : cases) {
        currentCase = "mdl. " + std::to_string(c.written) + "/" + std::to_string(c.oral);
        expect(grading::oralReexaminationPoints(c.written, c.oral), c.shown, "new points");
    }
}

}  // namespace

int main()
{
    halfYearChecks();
    admissionThroughTheForm();
    admissionVerdicts();
    examinations();
    overallResults();
    exampleSession();
    exampleWithOptions();
    enablingChain();
    countingStartsAfresh();
    resetAndClear();
    oralReexamination();
    if (failures)
        std::cerr << failures << " failed\n";
    return failures ? 1 : 0;
}
