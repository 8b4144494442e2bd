// Draws the program's artwork from one drawing each, at every size it is shown at:
//   drawimages logo <directory> <version>
//       the 440 x 100 logo showing "Ver <version>", as SK_logo.png and, drawn at twice the
//       resolution for high-density screens, SK_logo@2x.png (880 x 200); the build runs this
//   drawimages icons <image directory> <icon theme directory>
//       a baseball as the window icon SK_ICO.ico (32 x 32, with larger sizes for high-density
//       screens and task switchers) and, from the same ball, the launcher icons of the desktop's
//       icon theme: <size>x<size>/apps/sekivo.png and scalable/apps/sekivo.svg
// QT_QPA_PLATFORM=offscreen works. The logo's fonts must be installed (tools/deps.sh): a
// substitute would change the look, so a missing one is an error.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <QtEndian>

#include <cstdio>
#include <utility>

namespace {

// The ball's colours and proportions, shared by the raster and the vector drawing.
const QColor ballStops[] = { QColor(255, 255, 255), QColor(232, 230, 222), QColor(190, 186, 176) };
const qreal ballStopAt[] = { 0.0, 0.8, 1.0 };
const QColor ballOutline(90, 90, 90);
const QColor seamColour(200, 30, 40);
constexpr qreal shadeOffset = 0.18; // highlight centre, up and left, in diameters
constexpr qreal shadeRadius = 0.7; // in diameters
constexpr qreal seamOffset = 0.55; // seam circle centres outside the ball, in radii
constexpr qreal seamRadius = 0.95; // in radii

// Icon sizes of the desktop's icon theme; 32 is the window icon itself.
const int themeSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };
// Sizes in the window icon file: the 32 x 32 window icon first, then what a title bar or task
// switcher asks for on a high-density screen, up to 64 at 2x. Every window and dialog reads them
// all when it is built: a 256 px entry, a PNG as usual at that size, cost about a millisecond
// more each, for a size that desktops take from the launcher's icon theme instead.
const int windowIconSizes[] = { 32, 48, 64, 128 };

// A ball of the given diameter with its two red seams, drawn into `rect`.
void drawBall(QPainter &p, const QRectF &rect)
{
    const qreal d = rect.width();
    QRadialGradient shade(
        rect.center() - QPointF(d * shadeOffset, d * shadeOffset), d * shadeRadius);
    for (int i = 0; i < 3; ++i)
        shade.setColorAt(ballStopAt[i], ballStops[i]);
    p.setPen(QPen(ballOutline, qMax<qreal>(1.0, d / 32.0)));
    p.setBrush(shade);
    p.drawEllipse(rect.adjusted(0.5, 0.5, -0.5, -0.5));

    p.save();
    QPainterPath clip;
    clip.addEllipse(rect);
    p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(seamColour, qMax<qreal>(1.2, d / 20.0), Qt::SolidLine, Qt::RoundCap));
    const qreal r = d / 2;
    // Each seam is an arc of a circle whose centre lies outside the ball.
    p.drawEllipse(
        QPointF(rect.left() - r * seamOffset, rect.center().y()), r * seamRadius, r * seamRadius);
    p.drawEllipse(
        QPointF(rect.right() + r * seamOffset, rect.center().y()), r * seamRadius, r * seamRadius);
    p.restore();
}

// The icon at `size` pixels: the ball leaves a margin of 1/32 of the size on each side.
QImage icon(int size = 32)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 32.0;
    drawBall(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    return img;
}

// One image as Qt writes it into a single-image .ico: the bitmap data of its one directory
// entry, and the entry's 16 bytes with the offset still to be set.
struct IcoEntry
{
    QByteArray directory;
    QByteArray data;
};

bool icoEntry(const QImage &image, IcoEntry &entry)
{
    QByteArray file;
    QBuffer ico(&file);
    if (!ico.open(QIODevice::WriteOnly) || !image.save(&ico, "ICO") || file.size() < 22)
        return false;
    const quint32 size = qFromLittleEndian<quint32>(file.constData() + 6 + 8);
    const quint32 offset = qFromLittleEndian<quint32>(file.constData() + 6 + 12);
    if (offset + size > quint32(file.size()))
        return false;
    entry.directory = file.mid(6, 16);
    entry.data = file.mid(offset, size);
    return true;
}

// The window icon file: every size of windowIconSizes, the 32 x 32 one exactly as a
// single-image file holds it.
bool writeWindowIcon(const QString &path)
{
    QList<IcoEntry> entries;
    for (const int size : windowIconSizes) {
        IcoEntry entry;
        if (!icoEntry(icon(size), entry))
            return false;
        entries.append(entry);
    }
    QByteArray file(6, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2); // type: icon
    qToLittleEndian<quint16>(quint16(entries.size()), file.data() + 4);
    quint32 offset = quint32(6 + 16 * entries.size());
    for (IcoEntry &entry : entries) {
        qToLittleEndian<quint32>(offset, entry.directory.data() + 12);
        file += entry.directory;
        offset += quint32(entry.data.size());
    }
    for (const IcoEntry &entry : std::as_const(entries))
        file += entry.data;
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

// The same ball as an SVG document on a 128-unit canvas; line widths keep their proportions
// and drop the one-pixel minimums that only matter for small bitmaps.
QByteArray iconSvg()
{
    constexpr qreal size = 128, margin = size / 32, d = size - 2 * margin, r = d / 2, c = size / 2;
    const auto n = [](qreal v) { return QString::number(v, 'g', 6); };
    QString stops;
    for (int i = 0; i < 3; ++i)
        stops += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                     .arg(n(ballStopAt[i]), ballStops[i].name());
    // clang-format off
    const QString svg = QStringLiteral(R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" viewBox="0 0 %1 %1">
  <defs>
    <radialGradient id="shade" gradientUnits="userSpaceOnUse" cx="%2" cy="%2" r="%3">
%4    </radialGradient>
    <clipPath id="ball">
      <circle cx="%5" cy="%5" r="%6"/>
    </clipPath>
  </defs>
  <circle cx="%5" cy="%5" r="%7" fill="url(#shade)" stroke="%8" stroke-width="%9"/>
  <g clip-path="url(#ball)" fill="none" stroke="%10" stroke-width="%11" stroke-linecap="round">
    <circle cx="%12" cy="%5" r="%13"/>
    <circle cx="%14" cy="%5" r="%13"/>
  </g>
</svg>
)svg");
    // clang-format on
    return svg
        .arg(n(size), n(c - d * shadeOffset), n(d * shadeRadius), stops, n(c), n(r), n(r - 0.5),
            ballOutline.name(), n(d / 32), seamColour.name(), n(d / 20), n(margin - r * seamOffset),
            n(r * seamRadius), n(size - margin + r * seamOffset))
        .toUtf8();
}

// Writes the launcher icons into an icon theme directory (hicolor layout).
bool writeThemeIcons(const QDir &theme)
{
    for (const int size : themeSizes) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(dir)
            || !icon(size).save(theme.filePath(dir + QStringLiteral("/sekivo.png")), "PNG"))
            return false;
    }
    if (!theme.mkpath(QStringLiteral("scalable/apps")))
        return false;
    QFile svg(theme.filePath(QStringLiteral("scalable/apps/sekivo.svg")));
    return svg.open(QIODevice::WriteOnly) && svg.write(iconSvg()) >= 0;
}

// The logo's fonts, by family and style. Both must be present as such: fontconfig would
// quietly put another font in place of a missing one.
const struct
{
    const char *family;
    const char *style;
    const char *package;
} logoFonts[] = {
    { "DejaVu Sans", "Bold Oblique", "fonts-dejavu-extra" },
    { "Noto Sans CJK JP", "Regular", "fonts-noto-cjk" },
};

bool haveLogoFonts()
{
    bool all = true;
    for (const auto &font : logoFonts) {
        const QString family = QString::fromLatin1(font.family);
        if (!QFontDatabase::styles(family).contains(QLatin1String(font.style))) {
            std::fprintf(stderr, "drawimages: the logo needs the font %s %s (Debian package %s)\n",
                font.family, font.style, font.package);
            all = false;
        }
    }
    return all;
}

// The logo at `scale` times 440 x 100: one drawing in logical units, so the 2x logo is the
// same picture drawn with twice the pixels, not an enlargement.
QImage logo(int scale, const QString &version)
{
    QImage img(440 * scale, 100 * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient turf(0, 0, 0, 100);
    turf.setColorAt(0.0, QColor(36, 120, 60));
    turf.setColorAt(1.0, QColor(18, 80, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(turf);
    p.drawRoundedRect(QRectF(0, 0, 440, 100), 14, 14);

    // The infield diamond behind the ball.
    QPainterPath diamond;
    diamond.moveTo(55, 8);
    diamond.lineTo(97, 50);
    diamond.lineTo(55, 92);
    diamond.lineTo(13, 50);
    diamond.closeSubpath();
    p.setBrush(QColor(196, 150, 98));
    p.drawPath(diamond);

    drawBall(p, QRectF(27, 22, 56, 56));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(52);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRectF(117, 9, 310, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sekivo"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(114, 6, 310, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sekivo"));

    QFont sub(QStringLiteral("Noto Sans CJK JP"));
    sub.setPixelSize(17);
    p.setFont(sub);
    p.setPen(QColor(236, 244, 226));
    p.drawText(QRectF(118, 64, 310, 26), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("プロ野球 記録計算機  Ver %1").arg(version));
    return img;
}

} // namespace

int usage()
{
    std::fprintf(stderr,
        "usage: drawimages logo <directory> <version>\n"
        "       drawimages icons <image directory> <icon theme directory>\n");
    return 2;
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3)
        return usage();
    const QDir out(args.at(1));
    if (args.at(0) == QLatin1String("logo")) {
        if (!haveLogoFonts())
            return 1;
        if (!logo(1, args.at(2)).save(out.filePath(QStringLiteral("SK_logo.png")), "PNG")
            || !logo(2, args.at(2)).save(out.filePath(QStringLiteral("SK_logo@2x.png")), "PNG")) {
            std::fprintf(stderr, "drawimages: could not write the logo into %s\n", argv[2]);
            return 1;
        }
    } else if (args.at(0) == QLatin1String("icons")) {
        if (!writeWindowIcon(out.filePath(QStringLiteral("SK_ICO.ico")))) {
            std::fprintf(stderr, "drawimages: could not write the window icon into %s\n", argv[2]);
            return 1;
        }
        if (!writeThemeIcons(QDir(args.at(2)))) {
            std::fprintf(stderr, "drawimages: could not write the icon theme into %s\n", argv[3]);
            return 1;
        }
    } else {
        return usage();
    }
    return 0;
}
