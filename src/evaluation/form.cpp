#include "form.h"

#include "examplecandidate.h"
#include "numberformat.h"

#include <algorithm>

namespace form {

namespace {

// One press under way: writes results and collects what is said about
// them, in the order they appear.
class Step
{
public:
    explicit Step(FormState &form)
        : form(form)
    {}

    void show(Result result, std::string text, Mark mark = Mark::None)
    {
        Shown &shown = form.results[int(result)];
        shown = {std::move(text), mark};
        said.push_back(accessibleName(result, shown));
    }

    void showMark(Result result, bool passed)
    {
        const Mark mark = passed ? Mark::Passed : Mark::Failed;
        show(result, markText(mark), mark);
    }

    // Records the column's points, shows its average and appends its weak
    // courses to its list, counting them into the tallies. Nothing is
    // cleared: a second press lists and counts again. Each check first
    // enables the next one, whatever it finds.
    void checkHalfYear(int halfYear)
    {
        if (halfYear + 1 < kHalfYears)
            form.checkEnabled[halfYear + 1] = true;

        EvaluationState &record = form.record;
        ColumnPoints &points = record.coursePoints[halfYear];
        std::copy(form.coursePoints[halfYear].begin(), form.coursePoints[halfYear].end(), points.begin());

        show(Result(int(Result::FirstAverage) + halfYear),
             formatNumber(grading::halfYearAverage(points, record.extraSubjects)));

        const std::vector<grading::ListLine> lines = grading::halfYearListing(points, record.extraSubjects, halfYear);
        for (const grading::ListLine &line : lines) {
            const bool passed = line.kind == grading::ListLine::Passed;
            form.lists[halfYear].push_back({grading::listLineText(line), passed ? Mark::Passed : Mark::Failed});
            said.push_back(form.lists[halfYear].back().text);
        }
        grading::countIntoTallies(lines, record);
    }

    void admit()
    {
        grading::recordCourses(form.coursePoints, form.record);
        checkHalfYear(kHalfYears - 1);
        const grading::Admission verdict = grading::admit(form.record);
        showMark(Result::AdmissionMark, verdict == grading::Admission::Admitted);
        show(Result::AdmissionReason, grading::admissionSentence(verdict));
    }

    void examine()
    {
        grading::recordExaminations(form.examPoints, form.record);
        const bool passed = grading::examinationsPassed(form.record.examPoints);
        showMark(Result::ExaminationMark, passed);
        show(Result::ExaminationResult, grading::examinationVerdictText(passed));
    }

    // Rows 1-10 and the examinations; rows 11 and 12 only when switched on.
    void loadExample()
    {
        const int rows = grading::exampleRows(form.record);
        for (int c = 0; c < kHalfYears; ++c)
            std::copy_n(examplecandidate::kCoursePoints[c], rows, form.coursePoints[c].begin());
        std::copy_n(examplecandidate::kExamPoints, kExamComponents, form.examPoints.begin());
    }

    // The four lists and the tallies they were counted into; the chain of
    // checks starts again from the first "Prüfen".
    void clear()
    {
        for (auto &list : form.lists)
            list.clear();
        grading::clearTallies(form.record);
        form.checkEnabled = FormState().checkEnabled;
    }

    // Back to the start state. The recorded points survive, so that
    // "Berechnen" still shows the last result.
    void reset()
    {
        for (auto &column : form.coursePoints)
            column.fill(0);
        form.examPoints.fill(0);
        for (int r = 0; r < kResultCount; ++r)
            show(Result(r), {});
        form.optionalRowEnabled = {false, false};
        form.twelfthSubjectEnabled = false;
        form.doubleWeightingEnabled = true;
        clear();
        form.record.extraSubjects = 0;
        form.record.doubleWeighting = 0;
        form.record.eleventhSubject = 0;
    }

    FormState &form;
    std::vector<std::string> said;
};

int clampedPoints(int points)
{
    return std::clamp(points, 0, 15);
}

}  // namespace

FormState press(FormState state, Button button)
{
    state.announcement.clear();
    state.opens = Window::None;
    if (!isEnabled(state, button))
        return state;
    for (auto &column : state.coursePoints)
        std::transform(column.begin(), column.end(), column.begin(), clampedPoints);
    std::transform(state.examPoints.begin(), state.examPoints.end(), state.examPoints.begin(), clampedPoints);

    Step step(state);
    switch (button) {
    case Button::CheckFirstHalfYear:
        step.checkHalfYear(0);
        break;
    case Button::CheckSecondHalfYear:
        step.checkHalfYear(1);
        break;
    case Button::CheckThirdHalfYear:
        step.checkHalfYear(2);
        break;
    case Button::Admission:
        step.admit();
        break;
    case Button::Examinations:
        step.examine();
        break;
    case Button::Calculate:
        // Works on what the checks recorded, not on the points fields.
        step.show(Result::Overall, grading::overallResult(state.record));
        break;
    case Button::Example:
        step.loadExample();
        break;
    case Button::Clear:
        step.clear();
        break;
    case Button::Reset:
        step.reset();
        break;
    case Button::EleventhSubject:
        state.twelfthSubjectEnabled = true;
        state.optionalRowEnabled[0] = true;
        state.record.eleventhSubject = 1;
        state.record.extraSubjects = 1;
        break;
    case Button::TwelfthSubject:
        state.optionalRowEnabled[1] = true;
        state.record.extraSubjects = 2;
        break;
    case Button::DoubleWeighting:
        // Once, until "Zurücksetzen".
        state.record.doubleWeighting = 1;
        state.doubleWeightingEnabled = false;
        break;
    case Button::Help:
        state.opens = Window::Help;
        break;
    case Button::OralReexamination1:
    case Button::OralReexamination2:
    case Button::OralReexamination3:
    case Button::OralReexamination4:
        // A fresh calculator each time; nothing passes between it and the form.
        state.opens = Window::OralReexamination;
        break;
    }
    state.announcement = utterance(step.said);
    return state;
}

bool isEnabled(const FormState &state, Button button)
{
    switch (button) {
    case Button::CheckFirstHalfYear:
        return state.checkEnabled[0];
    case Button::CheckSecondHalfYear:
        return state.checkEnabled[1];
    case Button::CheckThirdHalfYear:
        return state.checkEnabled[2];
    case Button::Admission:
        return state.checkEnabled[3];
    case Button::TwelfthSubject:
        return state.twelfthSubjectEnabled;
    case Button::DoubleWeighting:
        return state.doubleWeightingEnabled;
    default:
        return true;
    }
}

bool isRowEnabled(const FormState &state, int row)
{
    return row < kCompulsoryRows || state.optionalRowEnabled[row - kCompulsoryRows];
}

std::string markText(Mark mark)
{
    switch (mark) {
    case Mark::Passed:
        return "\u2714";
    case Mark::Failed:
        return "x";
    case Mark::None:
        break;
    }
    return {};
}

std::string spokenMark(Mark mark)
{
    switch (mark) {
    case Mark::Passed:
        return "ja";
    case Mark::Failed:
        return "nein";
    case Mark::None:
        break;
    }
    return {};
}

std::string accessibleName(Result result, const Shown &shown)
{
    return namedResult(kResultLabels[int(result)].meaning,
                       shown.mark == Mark::None ? shown.text : spokenMark(shown.mark));
}

std::string namedResult(const std::string &meaning, const std::string &spoken)
{
    return spoken.empty() ? std::string() : meaning + ": " + spoken;
}

std::string utterance(const std::vector<std::string> &parts)
{
    std::string text;
    for (const std::string &part : parts) {
        if (part.empty())
            continue;
        if (!text.empty())
            text += ' ';
        text += part;
        if (part.back() != '.' && part.back() != '!')
            text += '.';
    }
    return text;
}

}  // namespace form
