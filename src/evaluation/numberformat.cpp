#include "numberformat.h"

#include <charconv>
#include <cstdio>

std::string formatNumber(double value)
{
    char buffer[32];
#ifdef __cpp_lib_to_chars
    // As printf's "%.6g" writes it in the C locale, whatever locale the
    // process has: a Qt program on Unix takes its locale from the
    // environment, and printf would write "8,3" under de_DE.
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, written.ptr);
#else
    // No locale but C's where the standard library lacks to_chars for
    // floating point (the browser's).
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
#endif
}
