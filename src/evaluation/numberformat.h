#pragma once

#include <string>

// Averages and computed points as the form shows them: at most six
// significant digits, no trailing zeros, no decimal point for whole
// values, and always "." as the decimal separator: 8.3, 8.33333, 7, 0.
// The desktop always showed numbers this way; tst_dialogs holds the two
// ways of writing them side by side.
std::string formatNumber(double value);
