#include "numberformat.h"

#include <clocale>
#include <cstdio>
#include <cstring>

std::string formatNumber(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text(buffer);
    // printf writes the decimal point of the process's numeric locale, and
    // a Qt program on Unix takes its locale from the environment: under
    // de_DE it would write "8,3". The form always shows "8.3".
    const char *point = std::localeconv()->decimal_point;
    if (point && *point && std::strcmp(point, ".") != 0) {
        const std::string::size_type at = text.find(point);
        if (at != std::string::npos)
            text.replace(at, std::strlen(point), ".");
    }
    return text;
}
