#include "verdictcolours.h"

#include <algorithm>
#include <cmath>

namespace verdictcolours {

namespace {

constexpr double kReadableContrast = 4.5;

// Below this luminance white text contrasts better than black: the
// background belongs to a dark colour scheme.
constexpr double kDarkBackground = 0.179;

double linearChannel(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF())
           + 0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor forVerdict(bool passed, const QColor &background)
{
    QColor colour(passed ? Qt::darkGreen : Qt::red);
    if (relativeLuminance(background) >= kDarkBackground)
        return colour;
    // Lighter in steps of the same hue and saturation; white (lightness
    // 255) reaches 4.5 : 1 on every dark background.
    int hue, saturation, lightness;
    colour.getHsl(&hue, &saturation, &lightness);
    while (contrastRatio(colour, background) < kReadableContrast && lightness < 255)
        colour = QColor::fromHsl(hue, saturation, ++lightness);
    return colour;
}

}  // namespace verdictcolours
