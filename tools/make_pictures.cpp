// Draws the pictures that ship with Kurswaage and writes them into the
// resources folder:
//
//   Bilder bzw. Logos/velmologo.jpg     200 x 67 logo: an open book above the word "Kurswaage"
//   Bilder bzw. Logos/Untitled - 2.ico  48 x 48 window icon: the open book alone
//   Bilder bzw. Logos/Untitled - 3.ico  32 x 32 window icon: the open book alone
//   desktop/kurswaage-48.png, -32.png   the same icons for the desktop's menus
//   desktop/kurswaage-64.png, -128.png, -256.png
//                                       the book with smooth edges, for
//                                       software centres and large menus
//   web/kurswaage-192.png, -512.png     the same, for the web page's home-screen
//                                       icon (the manifest lists 64 to 512)
//
// Usage: kurswaage-pictures RESOURCES_DIR [PREVIEW_DIR]
//
// Everything is drawn from code, so the files can be made again at any time
// and come out byte for byte the same. Qt writes them; after writing, every
// file is read back and checked, and the program fails if anything is off.
// With a PREVIEW_DIR it also writes enlarged PNG copies of the files as read
// back, for looking at them.
//
// "cmake --build build --target pictures" builds it and runs it on resources/.

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
#include <QList>
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
#include <cstdio>
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

// The large icons that software centres and high-resolution menus show
// (64, 128 and 256 pixels): the same book, its lines thickened in step with
// the size, and with smooth edges, which PNG keeps.
QImage drawLargeIcon(int size)
{
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        const qreal scale = size / 48.0;
        BookStyle style{1.5 * scale, 1.0 * scale, {0.26, 0.45, 0.64}, 0.16, 0.78, {-4, 7}, true};
        drawBook(p, QRectF(0.5 * scale, 0.5 * scale, size - scale, size - scale), style);
    }
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------
// Reading the files back
//
// Qt's readers say what a file holds: format, size, depth, pixels. The rest
// is read from the bytes: that an icon holds one 32-bit image with its 1-bit
// mask and nothing else (the file size), that the logo is a baseline JPEG
// with a JFIF header at 96 dpi.

QString nameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

// Reads the file with Qt's reader for `format` and checks that it is an
// image of `size` in 32 bits per pixel; returns it, or a null image.
QImage readBack(const QString &path, const QByteArray &format, const QSize &size)
{
    const QString name = nameOf(path);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    check(reader.format() == format, name + QStringLiteral(": Qt reads it as \"%1\", not \"%2\"")
                                                .arg(QString::fromLatin1(reader.format()), QString::fromLatin1(format)));
    check(reader.imageCount() == 1, name + QStringLiteral(": holds %1 images").arg(reader.imageCount()));
    const QImage image = reader.read();
    if (image.isNull()) {
        fail(name + QStringLiteral(": Qt cannot read it: ") + reader.errorString());
        return image;
    }
    std::printf("  %s: %s, %d x %d, %d bits per pixel%s\n", qPrintable(name), format.constData(), image.width(),
                image.height(), image.depth(), image.hasAlphaChannel() ? " with alpha" : "");
    check(image.size() == size, name + QStringLiteral(": %1 x %2 instead of %3 x %4")
                                           .arg(image.width()).arg(image.height()).arg(size.width()).arg(size.height()));
    check(image.depth() == 32, name + QStringLiteral(": %1 bits per pixel instead of 32").arg(image.depth()));
    return image;
}

// An icon as written: fully opaque or fully transparent pixels (unless it
// has smooth edges), the transparent ones without colour, and exactly the
// pixels drawn.
void checkIcon(const QString &path, const QByteArray &format, const QImage &icon, bool smoothEdges = false)
{
    const QString name = nameOf(path);
    const QImage image = readBack(path, format, icon.size());
    if (image.isNull())
        return;
    check(image.hasAlphaChannel(), name + QStringLiteral(": no alpha channel"));
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, partial = 0, coloured = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            opaque += qAlpha(c) == 255;
            partial += qAlpha(c) != 0 && qAlpha(c) != 255;
            coloured += c != 0 && qAlpha(c) == 0;
        }
    }
    std::printf("  %s: %d of %d pixels opaque\n", qPrintable(name), opaque, argb.width() * argb.height());
    check(smoothEdges || partial == 0, name + QStringLiteral(": %1 pixels neither opaque nor transparent").arg(partial));
    check(coloured == 0, name + QStringLiteral(": %1 transparent pixels carry a colour").arg(coloured));
    check(opaque > argb.width() * argb.height() / 4, name + QStringLiteral(": hardly anything is drawn"));
    check(argb == icon, name + QStringLiteral(": pixels differ from the drawing"));
}

// One image in the classic layout: directory, one entry, BITMAPINFOHEADER,
// 32-bit rows and the AND mask of 1 bit per pixel in rows of whole 32-bit
// words. The size is all that is left to check once Qt has read it.
void checkIcoLayout(const QString &path, const QSize &size)
{
    const qint64 maskBytes = (size.width() + 31) / 32 * 4 * size.height();
    const qint64 expected = 6 + 16 + 40 + 4 * size.width() * size.height() + maskBytes;
    const qint64 actual = QFileInfo(path).size();
    std::printf("  %s: %lld bytes (expected %lld)\n", qPrintable(nameOf(path)), actual, expected);
    check(actual == expected, nameOf(path) + QStringLiteral(": %1 bytes instead of %2").arg(actual).arg(expected));
}

unsigned u8(const QByteArray &b, int at)
{
    return static_cast<unsigned char>(b.at(at));
}

unsigned be16(const QByteArray &b, int at)
{
    return u8(b, at) << 8 | u8(b, at + 1);
}

// A JFIF 1.01 header right after the start marker with a density of 96 x 96
// dots per inch, and a baseline frame (SOF0) as the only frame before the scan.
void checkJpegHeader(const QString &path)
{
    const QString name = nameOf(path);
    QFile file(path);
    const QByteArray b = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!b.startsWith(QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF\0", 11))) {
        fail(name + QStringLiteral(": does not start with a JFIF header"));
        return;
    }
    std::printf("  %s: JFIF %u.%02u, density units %u, %u x %u\n", qPrintable(name), u8(b, 11), u8(b, 12), u8(b, 13),
                be16(b, 14), be16(b, 16));
    check(u8(b, 11) == 1 && u8(b, 12) == 1, name + QStringLiteral(": JFIF version is not 1.01"));
    check(u8(b, 13) == 1 && be16(b, 14) == 96 && be16(b, 16) == 96, name + QStringLiteral(": density is not 96 dpi"));

    QList<unsigned> frames;
    for (int at = 2; at + 4 <= b.size() && u8(b, at) == 0xff && u8(b, at + 1) != 0xda; at += 2 + int(be16(b, at + 2))) {
        const unsigned marker = u8(b, at + 1);
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc)
            frames << marker;
    }
    check(frames == QList<unsigned>{0xc0}, name + QStringLiteral(": frame is not baseline (SOF0) alone"));
}

// Writes the icon through Qt's writer for `format` and checks what Qt
// reads back.
bool writeIcon(const QString &path, const char *format, const QImage &icon, bool smoothEdges = false)
{
    QImageWriter writer(path, format);
    if (!writer.write(icon)) {
        fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    checkIcon(path, format, icon, smoothEdges);
    return true;
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
        std::fprintf(stderr, "usage: kurswaage-pictures RESOURCES_DIR [PREVIEW_DIR]\n");
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
        readBack(logoPath, "jpeg", logo.size());
        checkJpegHeader(logoPath);
    }

    struct IconFile {
        const char *name;
        int size;
    };
    const IconFile icons[] = {{"Untitled - 2.ico", 48}, {"Untitled - 3.ico", 32}};
    for (const IconFile &entry : icons) {
        const QImage icon = drawIcon(entry.size);
        const QString ico = out.filePath(QString::fromLatin1(entry.name));
        if (writeIcon(ico, "ico", icon))
            checkIcoLayout(ico, icon.size());
        writeIcon(desktop.filePath(QStringLiteral("kurswaage-%1.png").arg(entry.size)), "png", icon);
    }
    for (int size : {64, 128, 256})
        writeIcon(desktop.filePath(QStringLiteral("kurswaage-%1.png").arg(size)), "png", drawLargeIcon(size), true);
    const QDir web(resources.filePath(QStringLiteral("web")));
    for (int size : {192, 512})
        writeIcon(web.filePath(QStringLiteral("kurswaage-%1.png").arg(size)), "png", drawLargeIcon(size), true);

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
