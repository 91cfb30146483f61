// The rules and the steps of the form in tables, without Qt: points and
// button presses in, what the form then shows, enables and says out. The
// widget tests only check that the windows show what comes out here.
#include "form.h"
#include "grading.h"

#include <iostream>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

using namespace form;
using grading::OverallInput;
using Column = std::array<int, kSubjectRows>;
using Courses = std::array<Column, kHalfYears>;
using Presses = std::vector<Button>;

namespace {

int failures = 0;
std::string currentCase;

void expect(const std::string &got, const std::string &want, const std::string &what)
{
    if (got == want)
        return;
    ++failures;
    std::cerr << "FAIL " << currentCase << ": " << what << ": got \"" << got << "\", want \"" << want << "\"\n";
}

void expect(long got, long want, const std::string &what)
{
    expect(std::to_string(got), std::to_string(want), what);
}

const Button check1 = Button::CheckFirstHalfYear, check2 = Button::CheckSecondHalfYear,
             check3 = Button::CheckThirdHalfYear, admission = Button::Admission, exams = Button::Examinations,
             calculate = Button::Calculate, example = Button::Example, clear = Button::Clear, reset = Button::Reset,
             eleven = Button::EleventhSubject, twelve = Button::TwelfthSubject, doubling = Button::DoubleWeighting;
const Button kChecks[kHalfYears] = {check1, check2, check3, admission};
const Presses kChain = {check1, check2, check3, admission};
const Presses kExampleToTheGrade = {example, check1, check2, check3, admission, exams, calculate};

FormState pressed(const Presses &buttons, FormState state = {})
{
    for (Button button : buttons)
        state = press(std::move(state), button);
    return state;
}

const std::string &shown(const FormState &state, Result result)
{
    return state.results[int(result)].text;
}

Result average(int halfYear)
{
    return Result(int(Result::FirstAverage) + halfYear);
}

// A list's lines as "bestanden|0 NP im 2. Fach!", a weak course marked "!".
std::string listText(const FormState &state, int halfYear)
{
    std::string text;
    for (const Shown &line : state.lists[halfYear])
        text += (text.empty() ? "" : "|") + line.text + (line.mark == Mark::Passed ? "" : "!");
    return text;
}

// Of the controls that are not always enabled, those enabled now.
std::string enabledSteps(const FormState &state)
{
    const std::pair<bool, const char *> controls[] = {
        {isEnabled(state, check2), "Prüfen2"},    {isEnabled(state, check3), "Prüfen3"},
        {isEnabled(state, admission), "Zulassung"}, {isEnabled(state, twelve), "12.Fach"},
        {isEnabled(state, doubling), "wichten"},  {isRowEnabled(state, 10), "row11"},
        {isRowEnabled(state, 11), "row12"}};
    std::string text;
    for (const auto &[enabled, name] : controls)
        text += enabled ? std::string(text.empty() ? "" : " ") + name : "";
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

// Courses whose first `rows` rows add up to `sum`: every course gets
// sum / courses, the first ones a point more; rows beyond get 0.
Courses coursesWithSum(int sum, int rows)
{
    Courses courses{};
    const int count = kHalfYears * rows;
    for (int i = 0; i < count; ++i)
        courses[i / rows][i % rows] = sum / count + (i < sum % count ? 1 : 0);
    return courses;
}

void halfYearChecks()
{
    std::string tenZeros, tenFours;
    for (int row = 1; row <= 10; ++row) {
        tenZeros += "|0 NP im " + std::to_string(row) + ". Fach!";
        tenFours += "|unter 05 NP im " + std::to_string(row) + ". Fach!";
    }
    struct Case {
        const char *name;
        Presses options;
        int halfYear;
        Column points;
        std::string average, lines;
        int zeros, underFive;  // courses listed at 0 and at 1-4 points
    } cases[] = {
        {"all 0", {}, 0, column(0), "0", tenZeros.substr(1), 10, 0},
        {"all 15", {}, 1, column(15), "15", "bestanden", 0, 0},
        {"all 4", {}, 0, column(4), "4", tenFours.substr(1), 0, 10},
        {"one 5 passes", {}, 0, column(0, {{1, 5}}), "0.5", "bestanden" + tenZeros.substr(17), 9, 0},
        {"4 listed, 5 not", {}, 2, column(9, {{3, 4}, {4, 5}}), "8.1", "bestanden|unter 05 NP im 3. Fach!", 0, 1},
        {"third lists row 1 last", {}, 2, column(9, {{1, 3}, {2, 0}}), "7.5",
         "bestanden|0 NP im 2. Fach!|unter 05 NP im 1. Fach!", 1, 1},
        {"second lists row 1 first", {}, 1, column(9, {{1, 3}, {2, 0}}), "7.5",
         "bestanden|unter 05 NP im 1. Fach!|0 NP im 2. Fach!", 1, 1},
        {"third, twelve: 11 and 12 after 1", {eleven, twelve}, 2, column(9, {{1, 3}, {11, 2}, {12, 0}}), "7.16667",
         "bestanden|unter 05 NP im 1. Fach!|unter 05 NP im 11. Fach!|0 NP im 12. Fach!", 1, 2},
        {"rows 11, 12 not in force", {}, 0, column(9, {{11, 0}, {12, 0}}), "9", "bestanden", 0, 0},
        {"eleven: row 12 not in force", {eleven}, 1, column(9, {{11, 1}, {12, 0}}), "8.27273",
         "bestanden|unter 05 NP im 11. Fach!", 0, 1},
        {"rows 11, 12 never pass", {eleven, twelve}, 0, column(4, {{11, 15}, {12, 15}}), "5.83333",
         tenFours.substr(1), 0, 10},
        {"twelve: 112 over 12", {eleven, twelve}, 1, column(8, {{1, 12}, {2, 12}, {3, 12}, {4, 12}}), "9.33333",
         "bestanden", 0, 0},
    };
    for (const Case &c : cases) {
        currentCase = std::string("half-year check, ") + c.name;
        FormState state = pressed(c.options);
        state.checkEnabled.fill(true);  // straight to this column's check
        state.coursePoints[c.halfYear] = c.points;
        state = press(std::move(state), kChecks[c.halfYear]);
        expect(shown(state, average(c.halfYear)), c.average, "average");
        expect(listText(state, c.halfYear), c.lines, "lines");
        expect(state.record.zeroTally, -c.zeros, "zero tally");
        expect(state.record.underFiveTally, c.underFive, "under-5 tally");
        // A second press lists and counts the column again.
        state = press(std::move(state), kChecks[c.halfYear]);
        expect(listText(state, c.halfYear), c.lines + "|" + c.lines, "lines twice");
        expect(state.record.zeroTally, -2 * c.zeros, "zero tally twice");
    }
}

// "Zulassung" on its own, as if the first three checks had counted
// `underFive` courses under 5 points and lowered the zero tally to
// `zeroTally`: Block I, the verdict (each later test overrides an earlier
// one) and the zero tally it leaves.
void admissionCheck()
{
    const std::string yes = "Du bist zugelassen.", outside = "Du bist nicht zugelassen.";
    const std::string zeroCourse =
        "Du bist ein oder mehrmals unter 0 Notenpunkte und bist damit nicht zum Abitur zugelassen.";
    const std::string tooOften =
        "Du hast zu oft unter 05 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    const std::string zeroTally = "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    Courses strongFirstRows = coursesWithSum(240, 12);  // 5 points each
    for (auto &c : strongFirstRows)
        c[0] = c[1] = 15;
    Courses zeroInThird = coursesWithSum(400, 10), zeroInFourth = zeroInThird, row11AtZero = coursesWithSum(440, 11);
    zeroInThird[2][0] = zeroInFourth[3][0] = row11AtZero[3][10] = 0;
    const Courses tens = {column(10), column(10), column(10), column(10)};
    struct Case {
        const char *name;
        Presses options;
        Courses courses;
        int underFive, zeroTally;  // counted before
        int blockOne;
        std::string reason;
        int zeroTallyAfter;
    } cases[] = {
        {"199 over 40", {}, coursesWithSum(199, 10), 0, 0, 199, outside, 0},
        {"200 over 40", {}, coursesWithSum(200, 10), 0, 0, 200, yes, 0},
        {"all 15", {}, coursesWithSum(600, 10), 0, 0, 600, yes, 0},
        {"all 15, eleven", {eleven}, coursesWithSum(660, 11), 0, 0, 600, yes, 0},
        {"290 over 48 rounds up", {eleven, twelve}, coursesWithSum(290, 12), 0, 0, 242, yes, 0},
        {"291 over 48: .5 up", {eleven, twelve}, coursesWithSum(291, 12), 0, 0, 243, yes, 0},
        {"292 over 48 rounds down", {eleven, twelve}, coursesWithSum(292, 12), 0, 0, 243, yes, 0},
        {"all 15, doubling, twelve", {eleven, twelve, doubling}, coursesWithSum(720, 12), 0, 0, 600, yes, 0},
        {"rows 1, 2 doubled", {doubling}, strongFirstRows, 0, 0, 333, yes, 0},
        {"rows 1, 2 not doubled", {}, strongFirstRows, 0, 0, 280, yes, 0},
        {"rows 11, 12 ignored with ten", {}, coursesWithSum(480, 12), 0, 0, 400, yes, 0},
        {"a zero course not listed", {}, zeroInThird, 0, 0, 390, zeroCourse, 0},
        {"a zero course listed", {}, zeroInFourth, 0, 0, 390, zeroTally, 0},
        {"row 11 at 0, eleven: listed, no zero course", {eleven}, row11AtZero, 0, 0, 391, zeroTally, 0},
        {"7 under five, ten", {}, tens, 7, 0, 400, yes, 0},
        {"8 under five, ten", {}, tens, 8, 0, 400, tooOften, 0},
        {"8 under five, eleven", {eleven}, tens, 8, 0, 400, yes, 0},
        {"9 under five, eleven", {eleven}, tens, 9, 0, 400, tooOften, 0},
        {"9 under five, twelve", {eleven, twelve}, tens, 9, 0, 400, yes, 0},
        {"10 under five, twelve", {eleven, twelve}, tens, 10, 0, 400, tooOften, 0},
        {"too often beats a zero course", {}, zeroInThird, 8, 0, 390, tooOften, 0},
        {"zero tally beats all", {}, zeroInThird, 8, -1, 390, zeroTally, -1},
        {"tally cleared below the limit", {}, tens, 6, -2, 400, zeroTally, 0},
        {"tally kept at the limit", {}, tens, 7, -2, 400, zeroTally, -2},
        {"tally cleared, eleven", {eleven}, tens, 7, -2, 400, zeroTally, 0},
        {"tally kept at the limit, twelve", {eleven, twelve}, tens, 9, -2, 400, zeroTally, -2},
    };
    for (const Case &c : cases) {
        currentCase = std::string("Zulassung, ") + c.name;
        FormState state = pressed(c.options);
        state.coursePoints = c.courses;
        state.checkEnabled.fill(true);
        state.record.underFiveTally = c.underFive;
        state.record.zeroTally = c.zeroTally;
        state = press(std::move(state), admission);
        expect(state.record.blockOnePoints, c.blockOne, "Block I");
        expect(shown(state, Result::AdmissionMark), c.reason == yes ? "\u2714" : "x", "mark");
        expect(shown(state, Result::AdmissionReason), c.reason, "reason");
        expect(state.record.zeroTally, c.zeroTallyAfter, "zero tally after");
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
        state = press(std::move(state), exams);
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
        // "Berechnen" reads the record only, not the points fields.
        FormState state;
        state.record.blockOnePoints = c.input.blockOnePoints;
        state.record.blockTwoPoints = c.input.blockTwoPoints;
        for (auto &col : state.record.coursePoints)
            col.fill(9);
        state.record.coursePoints[3][9] = c.input.zeroCourse ? 0 : 9;
        state.record.coursePoints[2][10] = 0;  // row 11 has no say
        state.record.examPoints = {9, 9, 9, 9, c.input.zeroExam ? 0 : 9};
        state = press(std::move(state), calculate);
        expect(shown(state, Result::Overall), c.result, "result");
        expect(state.announcement, "Gesamtdurchschnitt: " + c.result + (c.result.back() == '.' ? "" : "."), "said");
    }
    // The official conversion of Abitur totals to grades, as the states
    // publish it: the lowest total of each grade.
    const std::pair<int, const char *> lowestTotal[] = {
        {823, "1,0"}, {805, "1,1"}, {787, "1,2"}, {769, "1,3"}, {751, "1,4"}, {733, "1,5"}, {715, "1,6"},
        {697, "1,7"}, {679, "1,8"}, {661, "1,9"}, {643, "2,0"}, {625, "2,1"}, {607, "2,2"}, {589, "2,3"},
        {571, "2,4"}, {553, "2,5"}, {535, "2,6"}, {517, "2,7"}, {499, "2,8"}, {481, "2,9"}, {463, "3,0"},
        {445, "3,1"}, {427, "3,2"}, {409, "3,3"}, {391, "3,4"}, {373, "3,5"}, {355, "3,6"}, {337, "3,7"},
        {319, "3,8"}, {301, "3,9"}, {300, "4,0"}, {0, ""}};
    currentCase = "grade of every total";
    for (int total = 290; total <= 900; ++total) {
        int band = 0;
        while (lowestTotal[band].first > total)  // below 300, the empty grade
            ++band;
        expect(grading::gradeText(total), lowestTotal[band].second, std::to_string(total));
    }
}

// The example candidate through every step, as the session walks it.
void exampleSession()
{
    currentCase = "example session";
    const std::string says[] = {
        "",
        "Durchschnitt 1. KHJ: 10.6. bestanden.",
        "Durchschnitt 2. KHJ: 10.6. bestanden.",
        "Durchschnitt 3. KHJ: 10.6. bestanden. unter 05 NP im 9. Fach.",
        "Durchschnitt 4. KHJ: 10.6. bestanden. Zur Abiturprüfung zugelassen: ja. "
        "Begründung der Zulassung: Du bist zugelassen.",
        "Abiturprüfungen bestanden: ja. Ergebnis der Abiturprüfungen: bestanden.",
        "Gesamtdurchschnitt: 2,1.",
    };
    FormState state;
    for (int i = 0; i < int(kExampleToTheGrade.size()); ++i) {
        state = press(std::move(state), kExampleToTheGrade[i]);
        expect(state.announcement, says[i], kButtonNames[int(kExampleToTheGrade[i])]);
    }
    expect(state.record.blockTwoPoints, 216, "Block II");

    // Failed marks are said as "nein"; the help and the calculators open windows.
    state.examPoints = {};
    state = press(std::move(state), exams);
    expect(state.announcement, "Abiturprüfungen bestanden: nein. Ergebnis der Abiturprüfungen: nicht bestanden!",
           "failed examinations");
    expect(long(press(state, Button::Help).opens), long(Window::Help), "Hilfe opens");
    expect(long(press(state, Button::OralReexamination3).opens), long(Window::OralReexamination), "mdl. opens");
}

// The example with an eleventh and a twelfth subject, with and without
// subjects 1 and 2 counted twice: Block I worked out by hand (40 x sum /
// courses counted, rounded; a doubled course counts twice in the sum and
// in the courses counted), and which rows "Beispiel " fills.
void exampleWithOptions()
{
    struct Case {
        const char *name;
        Presses options;
        int blockOne;
        int row11, row12;  // the first half-year's points there afterwards
    } cases[] = {
        {"ten: 424 over 40", {}, 424, 0, 0},
        {"ten doubled: 499 over 48", {doubling}, 416, 0, 0},
        {"11: 466 over 44", {eleven}, 424, 10, 0},
        {"11 doubled: 541 over 52", {eleven, doubling}, 416, 10, 0},
        {"12: 499 over 48", {eleven, twelve}, 416, 10, 8},
        {"12 doubled: 574 over 56", {eleven, twelve, doubling}, 410, 10, 8},
        {"11, 12, 11: eleven again", {eleven, twelve, eleven}, 424, 10, 0},
    };
    for (const Case &c : cases) {
        currentCase = std::string("example, ") + c.name;
        const FormState state = pressed(kExampleToTheGrade, pressed(c.options));
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
    struct Case {
        const char *name;
        Presses presses;
        std::string enabled;
        int extraSubjects, doubleWeighting;
    } cases[] = {
        {"start", {}, "wichten", 0, 0},
        {"11. Fach opens row 11 and 12. Fach", {eleven}, "12.Fach wichten row11", 1, 0},
        {"12. Fach opens row 12", {eleven, twelve}, "12.Fach wichten row11 row12", 2, 0},
        {"11. Fach again: eleven, row 12 open", {eleven, twelve, eleven}, "12.Fach wichten row11 row12", 1, 0},
        {"12. Fach before 11. Fach does nothing", {twelve}, "wichten", 0, 0},
        {"a check opens the next, even at 0 points", {check1}, "Prüfen2 wichten", 0, 0},
        {"the third before the second does nothing", {check1, check3}, "Prüfen2 wichten", 0, 0},
        {"the chain; Zulassung opens nothing", {check1, check2, check3, admission, admission},
         "Prüfen2 Prüfen3 Zulassung wichten", 0, 0},
        {"Leeren closes the chain, not the rows", {eleven, check1, check2, check3, clear}, "12.Fach wichten row11", 1, 0},
        {"doppelt wichten once", {doubling}, "", 0, 1},
        {"Leeren keeps doppelt wichten closed", {doubling, clear}, "", 0, 1},
        {"Zurücksetzen: back to the start", {eleven, twelve, doubling, check1, check2, check3, reset}, "wichten", 0, 0},
        {"the others change nothing", {Button::Help, example, exams, calculate, Button::OralReexamination1}, "wichten", 0, 0},
    };
    for (const Case &c : cases) {
        currentCase = std::string("enabling, ") + c.name;
        const FormState state = pressed(c.presses);
        expect(enabledSteps(state), c.enabled, "enabled");
        expect(state.record.extraSubjects, c.extraSubjects, "extra subjects");
        expect(state.record.doubleWeighting, c.doubleWeighting, "double weighting");
    }
}

// "Zurücksetzen" shows what a fresh form shows; the recorded points stay,
// so "Berechnen" right after it shows the last result again. "Leeren"
// keeps points, averages and verdicts. Both start the tallies afresh.
void resetAndClear()
{
    currentCase = "Zurücksetzen";
    FormState worked = pressed(kExampleToTheGrade, pressed({eleven, twelve, doubling}));
    worked.record.zeroTally = -3;  // as if a course at 0 had been listed since
    FormState afterReset = press(worked, reset);
    const FormState fresh;
    expect(afterReset.coursePoints == fresh.coursePoints && afterReset.examPoints == fresh.examPoints, true, "points");
    for (int r = 0; r < kResultCount; ++r)
        expect(shown(afterReset, Result(r)), "", kResultLabels[r].objectName);
    for (int h = 0; h < kHalfYears; ++h)
        expect(listText(afterReset, h), "", "lists");
    expect(enabledSteps(afterReset), enabledSteps(fresh), "enabled");
    expect(afterReset.announcement, "", "says nothing");
    const EvaluationState &record = afterReset.record;
    expect(record.extraSubjects + record.eleventhSubject + record.doubleWeighting - record.zeroTally +
               record.underFiveTally, 0, "flags and tallies");
    expect(record.blockOnePoints, worked.record.blockOnePoints, "Block I kept");
    expect(shown(press(afterReset, calculate), Result::Overall), "2,1", "Berechnen after it");
    // "Beispiel " fills ten rows again; row 11 keeps its 0.
    expect(press(afterReset, example).coursePoints[0][10], 0, "row 11 after Beispiel");

    currentCase = "Leeren";
    const FormState cleared = press(worked, clear);
    expect(cleared.coursePoints == worked.coursePoints, true, "points kept");
    for (int r = 0; r < kResultCount; ++r)
        expect(shown(cleared, Result(r)), shown(worked, Result(r)), kResultLabels[r].objectName);
    expect(cleared.record.underFiveTally, 0, "under-5 tally");
    expect(cleared.record.zeroTally, 0, "zero tally");
}

void oralReexamination()
{
    const std::tuple<int, int, const char *> cases[] = {{0, 0, "0"},   {10, 5, "8.33333"},  {6, 5, "5.66667"},
                                                        {4, 7, "5"},   {0, 1, "0.333333"}, {14, 15, "14.3333"},
                                                        {15, 15, "15"}};
    for (const auto &[written, oral, newPoints] : cases) {
        currentCase = "mdl. " + std::to_string(written) + "/" + std::to_string(oral);
        expect(grading::oralReexaminationPoints(written, oral), newPoints, "new points");
    }
}

}  // namespace

int main()
{
    halfYearChecks();
    admissionCheck();
    examinations();
    overallResults();
    exampleSession();
    exampleWithOptions();
    enablingChain();
    resetAndClear();
    oralReexamination();
    if (failures)
        std::cerr << failures << " failed\n";
    return failures ? 1 : 0;
}
