// Draws the pictures that ship with Kurswaage and writes them into one folder:
//
//   velmologo.jpg     200 x 67 logo: an open book above the word "Kurswaage"
//   Untitled - 2.ico  48 x 48 window icon: the open book alone
//   Untitled - 3.ico  32 x 32 window icon: the open book alone
//
// Usage: make_pictures OUTPUT_DIR [PREVIEW_DIR]
//
// Everything is drawn from code, so the files can be made again at any time
// and come out byte for byte the same. After writing, every file is read back
// and its bytes are checked; the program fails if anything is off. With a
// PREVIEW_DIR it also writes enlarged PNG copies of the files as read back,
// for looking at them.
//
// Run it through tools/make-pictures, which builds it and picks the folder.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const QColor kDarkRed(0x8e, 0x14, 0x18);
const QColor kBlack(0x12, 0x10, 0x10);
const QColor kPaper(0xff, 0xff, 0xff);

constexpr int kLogoWidth = 200;
constexpr int kLogoHeight = 67;
constexpr int kLogoQuality = 88;
constexpr int kDotsPerMeter96Dpi = 3780; // 96 dpi

// ---------------------------------------------------------------------------
// Reporting

int g_failures = 0;

void fail(const QString &what)
{
    std::fprintf(stderr, "make_pictures: %s\n", qPrintable(what));
    ++g_failures;
}

void check(bool ok, const QString &what)
{
    if (!ok)
        fail(what);
}

// ---------------------------------------------------------------------------
// The open book
//
// The book is laid out in its own coordinates (about 100 wide, 60 high, spine
// at x = 50) and then fitted into whatever rectangle it has to fill. Each page
// is bounded by a top and a bottom curve that run from the spine out to the
// outer edge; the printed lines follow those curves.

struct Cubic {
    QPointF p0, p1, p2, p3;

    QPointF at(qreal t) const
    {
        const qreal u = 1 - t;
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    }
};

// Left page; the right page is its mirror image.
const Cubic kPageTop{{50, 15}, {40, 5}, {20, 3}, {5, 9}};
const Cubic kPageBottom{{50, 57}, {40, 48}, {20, 46}, {5, 52}};

QTransform mirrorAtSpine()
{
    return QTransform(-1, 0, 0, 1, 100, 0);
}

QPainterPath leftPage()
{
    QPainterPath path(kPageTop.p0);
    path.cubicTo(kPageTop.p1, kPageTop.p2, kPageTop.p3);
    path.lineTo(kPageBottom.p3);
    path.cubicTo(kPageBottom.p2, kPageBottom.p1, kPageBottom.p0);
    path.closeSubpath();
    return path;
}

// The cover shows as a red band below and beside the pages: the left page
// moved out and down, its mirror, and a strip along the spine joining them.
QPainterPath cover(const QPointF &offset)
{
    QPainterPath left = QTransform::fromTranslate(offset.x(), offset.y()).map(leftPage());
    QPainterPath right = mirrorAtSpine().map(left);
    QPainterPath spine;
    const qreal bottom = kPageBottom.p0.y() + offset.y();
    spine.addPolygon(QPolygonF({{46, 20}, {54, 20}, {54, bottom}, {50, bottom + 1}, {46, bottom}}));
    spine.closeSubpath();
    return left.united(right).united(spine).simplified();
}

// One printed line at height `f` between the top (0) and bottom (1) curve,
// running from `from` to `to` along the page (0 = spine, 1 = outer edge).
QPolygonF textLine(qreal f, qreal from, qreal to)
{
    QPolygonF line;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = from + (to - from) * i / steps;
        line << (1 - f) * kPageTop.at(t) + f * kPageBottom.at(t);
    }
    return line;
}

struct BookStyle {
    qreal outlineWidth; // page outline and spine, in pixels
    qreal lineWidth;    // printed lines, in pixels
    std::vector<qreal> lines; // heights of the printed lines, 0..1
    qreal lineFrom;
    qreal lineTo;
    QPointF coverOffset; // how far the cover sticks out, in book coordinates
    bool smoothLines;    // off for icons: straight, unblurred rows of pixels
};

// Draws the book as large as fits into `target`, centred.
void drawBook(QPainter &p, const QRectF &target, const BookStyle &style)
{
    const QPainterPath coverPath = cover(style.coverOffset);
    const QRectF bounds = coverPath.boundingRect().united(leftPage().boundingRect());
    const qreal scale = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    QTransform toTarget;
    toTarget.translate(target.center().x(), target.center().y());
    toTarget.scale(scale, scale);
    toTarget.translate(-bounds.center().x(), -bounds.center().y());

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    p.setPen(Qt::NoPen);
    p.setBrush(kDarkRed);
    p.drawPath(toTarget.map(coverPath));

    QPen outline(kBlack, style.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPainterPath left = leftPage();
    const QPainterPath right = mirrorAtSpine().map(left);
    p.setPen(outline);
    p.setBrush(kPaper);
    p.drawPath(toTarget.map(left));
    p.drawPath(toTarget.map(right));

    p.setPen(QPen(kDarkRed, style.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, style.smoothLines);
    for (const qreal f : style.lines) {
        const QPolygonF line = textLine(f, style.lineFrom, style.lineTo);
        for (const QPolygonF &onPage : {toTarget.map(line), toTarget.map(mirrorAtSpine().map(line))}) {
            if (style.smoothLines) {
                p.drawPolyline(onPage);
            } else {
                // A curve a pixel thick breaks up into steps at icon size;
                // a straight row of pixels reads better.
                const qreal y = std::floor((onPage.first().y() + onPage.last().y()) / 2) + 0.5;
                p.drawLine(QPointF(std::round(onPage.first().x()), y), QPointF(std::round(onPage.last().x()), y));
            }
        }
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(outline);
    p.drawLine(toTarget.map(kPageTop.p0), toTarget.map(kPageBottom.p0));
    p.restore();
}

// ---------------------------------------------------------------------------
// The logo

QImage drawLogo()
{
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    BookStyle style{1.3, 1.2, {0.24, 0.40, 0.56, 0.72}, 0.14, 0.84, {-3.5, 6.5}, true};
    drawBook(p, QRectF(60, 2, 80, 38), style);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(19);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    font.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(font);
    p.setPen(kDarkRed);
    const QString word = QStringLiteral("Kurswaage");
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(word) - font.letterSpacing();
    p.drawText(QPointF((kLogoWidth - width) / 2, 60), word);
    p.end();
    return image;
}

// ---------------------------------------------------------------------------
// The icons

// Icons only know "there" and "not there": antialiased edges are cut at half
// coverage, and fully transparent pixels carry no colour.
QImage drawIcon(int size)
{
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        if (size >= 48) {
            BookStyle style{1.5, 1.0, {0.26, 0.45, 0.64}, 0.16, 0.78, {-4, 7}, false};
            drawBook(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0), style);
        } else {
            BookStyle style{1.2, 1.0, {0.30, 0.58}, 0.18, 0.78, {-4, 8}, false};
            drawBook(p, QRectF(0.25, 0.25, size - 0.5, size - 0.5), style);
        }
    }

    QImage icon = canvas.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        auto *row = reinterpret_cast<QRgb *>(icon.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const QRgb c = row[x];
            row[x] = qAlpha(c) >= 128 ? qRgba(qRed(c), qGreen(c), qBlue(c), 255) : qRgba(0, 0, 0, 0);
        }
    }
    return icon;
}

void putU8(QByteArray &out, unsigned v)
{
    out.append(static_cast<char>(v & 0xff));
}

void putU16(QByteArray &out, unsigned v)
{
    putU8(out, v);
    putU8(out, v >> 8);
}

void putU32(QByteArray &out, std::uint32_t v)
{
    putU16(out, v & 0xffff);
    putU16(out, v >> 16);
}

int maskStride(int width)
{
    return ((width + 31) / 32) * 4;
}

// A one-image .ico in the classic form: directory, one entry, then a
// BITMAPINFOHEADER with doubled height, 32-bit BGRA rows and the 1-bit AND
// mask, both bottom-up.
QByteArray encodeIco(const QImage &icon)
{
    const int w = icon.width();
    const int h = icon.height();
    const std::uint32_t pixelBytes = std::uint32_t(w) * h * 4;
    const std::uint32_t maskBytes = std::uint32_t(maskStride(w)) * h;
    const std::uint32_t imageBytes = 40 + pixelBytes + maskBytes;

    QByteArray out;
    // ICONDIR
    putU16(out, 0); // reserved
    putU16(out, 1); // type: icon
    putU16(out, 1); // number of images
    // ICONDIRENTRY
    putU8(out, w >= 256 ? 0 : w);
    putU8(out, h >= 256 ? 0 : h);
    putU8(out, 0); // no palette
    putU8(out, 0); // reserved
    putU16(out, 1);  // colour planes
    putU16(out, 32); // bits per pixel
    putU32(out, imageBytes);
    putU32(out, 6 + 16); // offset of the image
    // BITMAPINFOHEADER
    putU32(out, 40);
    putU32(out, std::uint32_t(w));
    putU32(out, std::uint32_t(2 * h)); // colour rows plus mask rows
    putU16(out, 1);  // planes
    putU16(out, 32); // bits per pixel
    putU32(out, 0);  // BI_RGB
    putU32(out, pixelBytes + maskBytes);
    putU32(out, 0); // x pixels per metre
    putU32(out, 0); // y pixels per metre
    putU32(out, 0); // colours used
    putU32(out, 0); // important colours

    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(icon.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x];
            putU8(out, qBlue(c));
            putU8(out, qGreen(c));
            putU8(out, qRed(c));
            putU8(out, qAlpha(c));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(icon.constScanLine(y));
        QByteArray bits(maskStride(w), '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0)
                bits[x / 8] = static_cast<char>(bits[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(bits);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Reading the files back

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read back %1").arg(path));
        return {};
    }
    return file.readAll();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

unsigned u8(const QByteArray &b, int at)
{
    return static_cast<unsigned char>(b.at(at));
}

unsigned be16(const QByteArray &b, int at)
{
    return (u8(b, at) << 8) | u8(b, at + 1);
}

unsigned le16(const QByteArray &b, int at)
{
    return u8(b, at) | (u8(b, at + 1) << 8);
}

std::uint32_t le32(const QByteArray &b, int at)
{
    return le16(b, at) | (std::uint32_t(le16(b, at + 2)) << 16);
}

// Walks the marker segments of the JPEG up to the scan and checks that it is
// a baseline JFIF 1.01 file at 96 dpi with 8-bit YCbCr sampled 4:2:0.
void checkJpeg(const QString &path, int width, int height)
{
    const QByteArray b = readAll(path);
    const QString name = QFileInfo(path).fileName();
    if (b.size() < 4 || u8(b, 0) != 0xff || u8(b, 1) != 0xd8) {
        fail(name + QStringLiteral(": no SOI marker at the start"));
        return;
    }
    check(u8(b, b.size() - 2) == 0xff && u8(b, b.size() - 1) == 0xd9, name + QStringLiteral(": no EOI marker at the end"));

    bool sawJfif = false;
    bool sawSof0 = false;
    bool sawSos = false;
    int at = 2;
    bool first = true;
    while (at + 4 <= b.size()) {
        if (u8(b, at) != 0xff) {
            fail(name + QStringLiteral(": expected a marker at byte %1").arg(at));
            return;
        }
        const unsigned marker = u8(b, at + 1);
        const int length = int(be16(b, at + 2));
        const int body = at + 4;
        if (length < 2 || at + 2 + length > b.size()) {
            fail(name + QStringLiteral(": segment %1 runs past the end").arg(marker, 2, 16));
            return;
        }
        std::printf("  %s: marker FF%02X, %d bytes at offset %d\n", qPrintable(name), marker, length, at);
        if (first) {
            check(marker == 0xe0, name + QStringLiteral(": APP0 does not follow SOI"));
            first = false;
        }
        if (marker == 0xe0 && length >= 16 && b.mid(body, 5) == QByteArray("JFIF\0", 5)) {
            sawJfif = true;
            const unsigned major = u8(b, body + 5), minor = u8(b, body + 6);
            const unsigned units = u8(b, body + 7);
            const unsigned xd = be16(b, body + 8), yd = be16(b, body + 10);
            std::printf("  %s: JFIF %u.%02u, density units %u, %u x %u, thumbnail %u x %u\n", qPrintable(name),
                        major, minor, units, xd, yd, u8(b, body + 12), u8(b, body + 13));
            check(major == 1 && minor == 1, name + QStringLiteral(": JFIF version is not 1.01"));
            check(units == 1, name + QStringLiteral(": density is not given in dots per inch"));
            check(xd == 96 && yd == 96, name + QStringLiteral(": density is not 96 x 96"));
        } else if (marker == 0xc0) {
            sawSof0 = true;
            const unsigned precision = u8(b, body);
            const unsigned h = be16(b, body + 1), w = be16(b, body + 3);
            const unsigned components = u8(b, body + 5);
            std::printf("  %s: SOF0 baseline, precision %u, %u x %u, %u components", qPrintable(name), precision,
                        w, h, components);
            check(precision == 8, name + QStringLiteral(": sample precision is not 8 bits"));
            check(int(w) == width && int(h) == height, name + QStringLiteral(": frame size is wrong"));
            check(components == 3, name + QStringLiteral(": not three components"));
            const unsigned expected[3] = {0x22, 0x11, 0x11};
            for (unsigned c = 0; c < components && c < 3 && length >= int(8 + 3 * components); ++c) {
                const unsigned id = u8(b, body + 6 + 3 * int(c));
                const unsigned sampling = u8(b, body + 7 + 3 * int(c));
                std::printf(", #%u sampling %ux%u", id, sampling >> 4, sampling & 0xf);
                check(sampling == expected[c], name + QStringLiteral(": sampling of component %1 is 0x%2").arg(c + 1).arg(sampling, 2, 16, QLatin1Char('0')));
            }
            std::printf("\n");
        } else if (marker >= 0xc1 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc) {
            fail(name + QStringLiteral(": frame marker FF%1 is not baseline").arg(marker, 2, 16));
        } else if (marker == 0xda) {
            sawSos = true;
            break;
        }
        at += 2 + length;
    }
    check(sawJfif, name + QStringLiteral(": no JFIF APP0 segment"));
    check(sawSof0, name + QStringLiteral(": no SOF0 (baseline) frame"));
    check(sawSos, name + QStringLiteral(": no scan"));

    QImageReader reader(path, "jpeg");
    const QImage decoded = reader.read();
    check(!decoded.isNull(), name + QStringLiteral(": does not decode: ") + reader.errorString());
    check(decoded.size() == QSize(width, height), name + QStringLiteral(": decodes to the wrong size"));
}

// Checks the .ico byte by byte against the picture it was made from, then
// lets Qt's own icon reader decode it and compares the pixels.
void checkIco(const QString &path, const QImage &icon)
{
    const QByteArray b = readAll(path);
    const QString name = QFileInfo(path).fileName();
    const int w = icon.width();
    const int h = icon.height();
    const int stride = maskStride(w);
    const int expectedSize = 6 + 16 + 40 + w * h * 4 + stride * h;
    std::printf("  %s: %lld bytes (expected %d)\n", qPrintable(name), static_cast<long long>(b.size()), expectedSize);
    if (b.size() != expectedSize) {
        fail(name + QStringLiteral(": file size %1, expected %2").arg(b.size()).arg(expectedSize));
        return;
    }
    check(le16(b, 0) == 0 && le16(b, 2) == 1 && le16(b, 4) == 1, name + QStringLiteral(": ICONDIR is wrong"));
    check(int(u8(b, 6)) == w && int(u8(b, 7)) == h && u8(b, 8) == 0 && u8(b, 9) == 0,
          name + QStringLiteral(": entry size or palette is wrong"));
    check(le16(b, 10) == 1 && le16(b, 12) == 32, name + QStringLiteral(": entry planes or depth is wrong"));
    check(le32(b, 14) == std::uint32_t(expectedSize - 22) && le32(b, 18) == 22,
          name + QStringLiteral(": entry length or offset is wrong"));
    const int hdr = 22;
    check(le32(b, hdr) == 40, name + QStringLiteral(": header is not a BITMAPINFOHEADER"));
    check(le32(b, hdr + 4) == std::uint32_t(w) && le32(b, hdr + 8) == std::uint32_t(2 * h),
          name + QStringLiteral(": bitmap width or doubled height is wrong"));
    check(le16(b, hdr + 12) == 1 && le16(b, hdr + 14) == 32 && le32(b, hdr + 16) == 0,
          name + QStringLiteral(": bitmap is not 32-bit BI_RGB"));
    std::printf("  %s: ICONDIR 1 image, entry %ux%u 32 bpp, %u bytes at %u; BITMAPINFOHEADER %u x %u, %u bpp, "
                "compression %u\n",
                qPrintable(name), u8(b, 6), u8(b, 7), le32(b, 14), le32(b, 18), le32(b, hdr + 4), le32(b, hdr + 8),
                le16(b, hdr + 14), le32(b, hdr + 16));

    const int pixels = hdr + 40;
    const int mask = pixels + w * h * 4;
    int opaque = 0;
    for (int y = 0; y < h; ++y) {
        const int fileRow = h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const int at = pixels + (fileRow * w + x) * 4;
            const unsigned blue = u8(b, at), green = u8(b, at + 1), red = u8(b, at + 2), alpha = u8(b, at + 3);
            const bool maskBit = (u8(b, mask + fileRow * stride + x / 8) & (0x80 >> (x % 8))) != 0;
            const QRgb want = icon.pixel(x, y);
            const QString where = QStringLiteral(" at %1,%2").arg(x).arg(y);
            check(alpha == 0 || alpha == 255, name + QStringLiteral(": alpha is neither 0 nor 255") + where);
            check(maskBit == (alpha == 0), name + QStringLiteral(": AND mask disagrees with alpha") + where);
            if (alpha == 0)
                check(red == 0 && green == 0 && blue == 0, name + QStringLiteral(": transparent pixel has colour") + where);
            check(red == unsigned(qRed(want)) && green == unsigned(qGreen(want)) && blue == unsigned(qBlue(want))
                      && alpha == unsigned(qAlpha(want)),
                  name + QStringLiteral(": pixel differs from the drawing") + where);
            opaque += alpha == 255;
        }
        for (int x = w; x < stride * 8; ++x)
            check((u8(b, mask + fileRow * stride + x / 8) & (0x80 >> (x % 8))) == 0,
                  name + QStringLiteral(": mask padding is not zero"));
    }
    std::printf("  %s: %d of %d pixels opaque, mask rows of %d bytes\n", qPrintable(name), opaque, w * h, stride);
    check(opaque > w * h / 4, name + QStringLiteral(": hardly anything is drawn"));

    QImageReader reader(path, "ico");
    QImage decoded = reader.read();
    if (decoded.isNull()) {
        fail(name + QStringLiteral(": Qt cannot decode it: ") + reader.errorString());
        return;
    }
    decoded = decoded.convertToFormat(QImage::Format_ARGB32);
    check(decoded.size() == icon.size(), name + QStringLiteral(": Qt decodes it to the wrong size"));
    int differences = 0;
    for (int y = 0; y < std::min(h, decoded.height()); ++y)
        for (int x = 0; x < std::min(w, decoded.width()); ++x)
            differences += decoded.pixel(x, y) != icon.pixel(x, y);
    check(differences == 0, name + QStringLiteral(": Qt decodes %1 pixels differently").arg(differences));
}

// An enlarged copy of a file as read back, on a chequered ground so that
// transparency shows.
void writePreview(const QString &path, int factor, const QString &previewPath)
{
    const QImage decoded = QImageReader(path).read().convertToFormat(QImage::Format_ARGB32);
    if (decoded.isNull()) {
        fail(QStringLiteral("cannot read %1 for the preview").arg(path));
        return;
    }
    QImage preview(decoded.size() * factor, QImage::Format_RGB32);
    QPainter p(&preview);
    const int cell = 8;
    for (int y = 0; y < preview.height(); y += cell)
        for (int x = 0; x < preview.width(); x += cell)
            p.fillRect(x, y, cell, cell, ((x + y) / cell) % 2 ? QColor(0xcc, 0xcc, 0xcc) : QColor(0xf4, 0xf4, 0xf4));
    p.drawImage(preview.rect(), decoded);
    p.end();
    if (!preview.save(previewPath, "png"))
        fail(QStringLiteral("cannot write %1").arg(previewPath));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: make_pictures RESOURCES_DIR [PREVIEW_DIR]\n");
        return 2;
    }
    // The pictures embedded in the program, and the application icon that
    // the desktop shows for it (the same pictures as PNG files).
    const QDir resources(args.at(1));
    const QDir out(resources.filePath(QStringLiteral("Bilder bzw. Logos")));
    const QDir desktop(resources.filePath(QStringLiteral("desktop")));
    if (!out.exists() || !desktop.exists()) {
        std::fprintf(stderr, "make_pictures: %s lacks \"Bilder bzw. Logos\" or \"desktop\"\n", qPrintable(args.at(1)));
        return 2;
    }

    const QString logoPath = out.filePath(QStringLiteral("velmologo.jpg"));
    {
        const QImage logo = drawLogo();
        QImageWriter writer(logoPath, "jpeg");
        writer.setQuality(kLogoQuality);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
        if (!writer.write(logo))
            fail(QStringLiteral("cannot write %1: %2").arg(logoPath, writer.errorString()));
        std::printf("wrote %s\n", qPrintable(logoPath));
        checkJpeg(logoPath, kLogoWidth, kLogoHeight);
    }

    struct IconFile {
        const char *name;
        int size;
    };
    const IconFile icons[] = {{"Untitled - 2.ico", 48}, {"Untitled - 3.ico", 32}};
    for (const IconFile &entry : icons) {
        const QString path = out.filePath(QString::fromLatin1(entry.name));
        const QImage icon = drawIcon(entry.size);
        if (writeAll(path, encodeIco(icon))) {
            std::printf("wrote %s\n", qPrintable(path));
            checkIco(path, icon);
        }
        const QString png = desktop.filePath(QStringLiteral("kurswaage-%1.png").arg(entry.size));
        if (!icon.save(png, "PNG"))
            fail(QStringLiteral("cannot write %1").arg(png));
        std::printf("wrote %s\n", qPrintable(png));
    }

    if (args.size() == 3) {
        const QDir preview(args.at(2));
        writePreview(logoPath, 4, preview.filePath(QStringLiteral("velmologo.png")));
        writePreview(out.filePath(QStringLiteral("Untitled - 2.ico")), 8, preview.filePath(QStringLiteral("icon-48.png")));
        writePreview(out.filePath(QStringLiteral("Untitled - 3.ico")), 8, preview.filePath(QStringLiteral("icon-32.png")));
    }

    if (g_failures > 0) {
        std::fprintf(stderr, "make_pictures: %d problem(s) found\n", g_failures);
        return 1;
    }
    std::printf("all pictures checked\n");
    return 0;
}
