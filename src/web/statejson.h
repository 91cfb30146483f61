#pragma once

#include "form.h"

#include <string>

// The form's state as the web page shows it, in JSON, every control by
// its object name:
//   {"values": {"spinBox": 10, …},            the points fields
//    "results": {"label_32": {"text", "mark", "name"}, …},
//    "lists": {"textBrowser": [{"text", "mark"}, …], …},
//    "enabled": {"pushButton_7": true, "spinBox_44": false, …},
//    "say": "…", "opens": "" | "Hilfe" | "muendlicheNachpruefung"}
// "mark" is "", "passed" or "failed"; "name" is what a screen reader calls
// the result. Only the controls that can be disabled are in "enabled".
namespace web {

std::string stateJson(const form::FormState &state);

// A JSON string literal, quotes included.
std::string quoted(const std::string &text);

// The object names of the 53 points fields, in the order the page hands
// their points over: the half-years' rows column by column, then the
// examinations.
const char *pointsField(int index);
constexpr int kPointsFields = kHalfYears * kSubjectRows + kExamComponents;
// The points of field `index` in the state.
int &pointsAt(form::FormState &state, int index);
int pointsAt(const form::FormState &state, int index);

}  // namespace web
