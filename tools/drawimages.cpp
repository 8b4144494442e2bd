// Draws the program's artwork: a baseball as the 32 x 32 icon, and the 440 x 100 logo.
// Usage: drawimages <output directory>   (QT_QPA_PLATFORM=offscreen works)

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// A ball of the given diameter with its two red seams, drawn into `rect`.
void drawBall(QPainter &p, const QRectF &rect)
{
    const qreal d = rect.width();
    QRadialGradient shade(rect.center() - QPointF(d * 0.18, d * 0.18), d * 0.7);
    shade.setColorAt(0.0, QColor(255, 255, 255));
    shade.setColorAt(0.8, QColor(232, 230, 222));
    shade.setColorAt(1.0, QColor(190, 186, 176));
    p.setPen(QPen(QColor(90, 90, 90), qMax<qreal>(1.0, d / 32.0)));
    p.setBrush(shade);
    p.drawEllipse(rect.adjusted(0.5, 0.5, -0.5, -0.5));

    p.save();
    QPainterPath clip;
    clip.addEllipse(rect);
    p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 30, 40), qMax<qreal>(1.2, d / 20.0), Qt::SolidLine, Qt::RoundCap));
    const qreal r = d / 2;
    // Each seam is an arc of a circle whose centre lies outside the ball.
    p.drawEllipse(QPointF(rect.left() - r * 0.55, rect.center().y()), r * 0.95, r * 0.95);
    p.drawEllipse(QPointF(rect.right() + r * 0.55, rect.center().y()), r * 0.95, r * 0.95);
    p.restore();
}

QImage icon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawBall(p, QRectF(1, 1, 30, 30));
    return img;
}

QImage logo()
{
    QImage img(440, 100, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
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
               QStringLiteral("プロ野球 記録計算機  Ver 4.00"));
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawimages <output directory>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok = icon().save(out.filePath(QStringLiteral("SK_ICO.ico")), "ICO")
                    && logo().save(out.filePath(QStringLiteral("SK_logo.png")), "PNG");
    if (!ok)
        std::fprintf(stderr, "drawimages: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
