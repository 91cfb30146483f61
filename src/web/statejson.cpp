#include "statejson.h"

#include "mainform.h"

#include <cstdio>

namespace web {

namespace {

const char *markName(form::Mark mark)
{
    switch (mark) {
    case form::Mark::Passed:
        return "passed";
    case form::Mark::Failed:
        return "failed";
    case form::Mark::None:
        break;
    }
    return "";
}

// "name": value pairs, comma-separated.
class Members
{
public:
    explicit Members(std::string &out)
        : out(out)
    {}
    std::string &operator[](const std::string &name)
    {
        if (!first)
            out += ',';
        first = false;
        out += quoted(name) + ':';
        return out;
    }

private:
    std::string &out;
    bool first = true;
};

}  // namespace

std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;  // UTF-8 passes as it is
        }
    }
    return out + '"';
}

const char *pointsField(int index)
{
    if (index < kHalfYears * kSubjectRows)
        return mainform::kColumns[index / kSubjectRows].rows[index % kSubjectRows];
    return mainform::kExamRows[index - kHalfYears * kSubjectRows].points;
}

int &pointsAt(form::FormState &state, int index)
{
    if (index < kHalfYears * kSubjectRows)
        return state.coursePoints[index / kSubjectRows][index % kSubjectRows];
    return state.examPoints[index - kHalfYears * kSubjectRows];
}

int pointsAt(const form::FormState &state, int index)
{
    return pointsAt(const_cast<form::FormState &>(state), index);
}

std::string stateJson(const form::FormState &state)
{
    std::string out = "{\"values\":{";
    {
        Members values(out);
        for (int i = 0; i < kPointsFields; ++i)
            values[pointsField(i)] += std::to_string(pointsAt(state, i));
    }
    out += "},\"results\":{";
    {
        Members results(out);
        for (int r = 0; r < form::kResultCount; ++r) {
            const form::Shown &shown = state.results[r];
            results[form::kResultLabels[r].objectName] +=
                "{\"text\":" + quoted(shown.text) + ",\"mark\":\"" + markName(shown.mark) +
                "\",\"name\":" + quoted(form::accessibleName(form::Result(r), shown)) + '}';
        }
    }
    out += "},\"lists\":{";
    {
        Members lists(out);
        for (int c = 0; c < kHalfYears; ++c) {
            std::string &list = lists[mainform::kColumns[c].list] += '[';
            bool first = true;
            for (const form::Shown &line : state.lists[c]) {
                list += std::string(first ? "" : ",") + "{\"text\":" + quoted(line.text) + ",\"mark\":\"" +
                        markName(line.mark) + "\"}";
                first = false;
            }
            list += ']';
        }
    }
    out += "},\"enabled\":{";
    {
        Members enabled(out);
        const auto flag = [](bool on) { return on ? "true" : "false"; };
        for (int b = 0; b < form::kButtonCount; ++b)
            enabled[form::kButtonNames[b]] += flag(form::isEnabled(state, form::Button(b)));
        for (const int row : mainform::kOptionalRows) {
            const bool on = form::isRowEnabled(state, row);
            enabled[mainform::kRowCaptions[row]] += flag(on);
            enabled[mainform::kSubjectChoices[row]] += flag(on);
            for (const auto &column : mainform::kColumns)
                enabled[column.rows[row]] += flag(on);
        }
    }
    const char *opens = state.opens == form::Window::Help                ? "Hilfe"
                        : state.opens == form::Window::OralReexamination ? "muendlicheNachpruefung"
                                                                         : "";
    out += "},\"say\":" + quoted(state.announcement) + ",\"opens\":\"" + opens + "\"}";
    return out;
}

}  // namespace web
