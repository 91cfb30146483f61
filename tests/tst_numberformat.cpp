// The engine writes numbers without Qt; the form has always shown them as
// Qt's QString::number(x, 'g', 6) writes them. Both must agree on every
// number the form can show: each half-year average of 10, 11 or 12 whole
// points from 0 to 15, and each result of the oral re-examination.
#include "grading.h"
#include "numberformat.h"

#include <QString>

#include <cstdio>

int main()
{
    int checked = 0, failed = 0;
    auto compare = [&](double value, const std::string &engine) {
        ++checked;
        const QString qt = QString::number(value, 'g', 6);
        if (QString::fromStdString(engine) != qt) {
            ++failed;
            std::fprintf(stderr, "FAIL %.17g: engine \"%s\", Qt \"%s\"\n", value, engine.c_str(), qPrintable(qt));
        }
    };
    for (int rows = 10; rows <= 12; ++rows) {
        ColumnPoints column{};
        for (int sum = 0; sum <= 15 * rows; ++sum) {
            // Any column with this sum: the average depends on the sum alone.
            column.fill(0);
            for (int i = 0, left = sum; left > 0; ++i, left -= 15)
                column[i] = float(left < 15 ? left : 15);
            const double average = grading::halfYearAverage(column, rows - kCompulsoryRows);
            compare(average, formatNumber(average));
        }
    }
    for (int written = 0; written <= 15; ++written)
        for (int oral = 0; oral <= 15; ++oral)
            compare((2 * written + oral) / 3.0, grading::oralReexaminationPoints(written, oral));
    std::printf("%d numbers compared, %d differ\n", checked, failed);
    return failed == 0 && checked > 0 ? 0 : 1;
}
