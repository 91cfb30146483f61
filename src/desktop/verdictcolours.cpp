#include "verdictcolours.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVector>

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

// Where a text fragment keeps the colour its document gave it.
constexpr int kWrittenColour = QTextFormat::UserProperty;

void recolour(QTextBrowser *browser)
{
    const QColor background = browser->palette().color(QPalette::Base);
    const QColor paletteText = browser->palette().color(QPalette::Text);
    // Collected first: changing a format merges fragments.
    struct Change {
        int start, end;
        QTextCharFormat format;
    };
    QVector<Change> changes;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(kWrittenColour)) {
                if (!format.hasProperty(QTextFormat::ForegroundBrush))
                    continue;  // drawn in the palette's colour anyway
                format.setProperty(kWrittenColour, format.foreground().color());
            }
            const QColor written = format.property(kWrittenColour).value<QColor>();
            const QColor shown = contrastRatio(written, background) >= kReadableContrast ? written : paletteText;
            if (shown != format.foreground().color() || !fragment.charFormat().hasProperty(kWrittenColour)) {
                format.setForeground(shown);
                changes.append({fragment.position(), fragment.position() + fragment.length(), format});
            }
        }
    }
    QTextCursor cursor(browser->document());
    for (const Change &change : changes) {
        cursor.setPosition(change.start);
        cursor.setPosition(change.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

class PaletteWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Qt 6 hands a hidden window a new palette only once it shows.
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::Show)
            recolour(static_cast<QTextBrowser *>(watched));
        return false;
    }
};

}  // namespace

void keepTextReadable(QTextBrowser *browser)
{
    browser->installEventFilter(new PaletteWatch(browser));
    recolour(browser);
}

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
