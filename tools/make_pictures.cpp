// Draws the program's pictures and writes them into the resources folder:
//   make_pictures <resources folder>
// Run it again after changing a drawing; the results are committed.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage banner()
{
    QImage image(709, 113, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient field(0, 0, 709, 113);
    field.setColorAt(0, QColor(18, 46, 122));
    field.setColorAt(1, QColor(38, 88, 178));
    p.fillRect(image.rect(), field);
    // Large, faint letter shapes, overlapping and cut by the edges.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const struct { const char* text; int px; int x; int y; int angle; int alpha; } letters[] = {
        {"K", 150, -20, 125, -8, 34}, {"$", 120, 150, 118, 6, 26},  {"%", 110, 300, 104, -4, 22},
        {"R", 140, 430, 130, 10, 30}, {"X", 150, 560, 122, -6, 28}, {"V", 90, 640, 60, 12, 20},
    };
    for (const auto& l : letters) {
        font.setPixelSize(l.px);
        p.save();
        p.translate(l.x, l.y);
        p.rotate(l.angle);
        p.setFont(font);
        p.setPen(QColor(255, 255, 255, l.alpha));
        p.drawText(0, 0, QString::fromUtf8(l.text));
        p.restore();
    }
    // A faint rising price line across the field.
    QPainterPath line(QPointF(0, 95));
    const int ys[] = {88, 92, 76, 80, 64, 70, 52, 58, 40, 47, 30, 36, 22};
    for (int i = 0; i < 13; ++i)
        line.lineTo(55.0 * (i + 1), ys[i]);
    p.setPen(QPen(QColor(255, 255, 255, 40), 3));
    p.drawPath(line);
    return image;
}

// The chart on white, in a frame; drawn on a 32 x 32 grid.
void drawIcon(QPainter& p)
{
    p.fillRect(1, 1, 30, 30, QColor(0, 0, 128));
    p.fillRect(3, 3, 26, 26, Qt::white);
    p.fillRect(6, 18, 4, 9, QColor(0, 128, 0));
    p.fillRect(12, 13, 4, 14, QColor(0, 128, 0));
    p.fillRect(18, 16, 4, 11, QColor(255, 0, 0));
    p.fillRect(24, 8, 4, 19, QColor(0, 128, 0));
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawLine(5, 16, 13, 9);
    p.drawLine(13, 9, 19, 13);
    p.drawLine(19, 13, 27, 5);
}

// 32 x 32 in the 16 colours of the standard palette.
QImage icon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawIcon(p);
    p.end();
    QList<QRgb> palette;
    for (const QColor c : {QColor(0, 0, 0), QColor(128, 0, 0), QColor(0, 128, 0), QColor(128, 128, 0),
                           QColor(0, 0, 128), QColor(128, 0, 128), QColor(0, 128, 128), QColor(192, 192, 192),
                           QColor(128, 128, 128), QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 255, 0),
                           QColor(0, 0, 255), QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 255, 255)})
        palette << c.rgb();
    palette << qRgba(0, 0, 0, 0);
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

// The same chart in full colour and smooth, for software centres and large icon views.
QImage largeIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawIcon(p);
    return image;
}

// The box of the trading guide that the About page advertises.
QImage productBox()
{
    QImage image(296, 425, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF side{QPointF(236, 30), QPointF(276, 10), QPointF(276, 395), QPointF(236, 415)};
    const QPolygonF top{QPointF(20, 30), QPointF(60, 10), QPointF(276, 10), QPointF(236, 30)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 36, 96));
    p.drawPolygon(side);
    p.setBrush(QColor(64, 104, 190));
    p.drawPolygon(top);
    QLinearGradient front(20, 30, 236, 415);
    front.setColorAt(0, QColor(30, 70, 160));
    front.setColorAt(1, QColor(16, 40, 110));
    p.fillRect(QRectF(20, 30, 216, 385), front);
    p.fillRect(QRectF(20, 60, 216, 6), QColor(220, 40, 40));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(30);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(30, 85, 196, 110), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("The Disciplined Trader"));
    font.setBold(false);
    font.setPixelSize(15);
    p.setFont(font);
    p.drawText(QRectF(34, 200, 188, 80), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("A guide to planning, sizing and reviewing every trade"));
    // A small rising chart on the cover.
    p.setPen(QPen(QColor(120, 220, 120), 4));
    p.drawPolyline(QPolygonF{QPointF(50, 380), QPointF(90, 350), QPointF(120, 362), QPointF(160, 318),
                             QPointF(200, 300)});
    return image;
}

QImage checkMark()
{
    QImage image(18, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(3, 11), QPointF(7, 16), QPointF(15, 3)});
    return image;
}

// White with grey diagonal bands in the top-left and bottom-right corners.
QImage graphBackground()
{
    QImage image(208, 155, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int band = 0; band < 3; ++band) {
        p.setPen(QPen(QColor(226 + 8 * band, 226 + 8 * band, 226 + 8 * band), 9));
        const int d = 16 + band * 22;
        p.drawLine(0, d, d, 0);
        p.drawLine(208 - d, 155, 208, 155 - d);
    }
    return image;
}

bool save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    QDir().mkpath(QFileInfo(path).path());
    const bool ok = image.save(path, format, quality);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");  // draws without a display
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = save(banner(), dir + "/pictures/banner.jpg", "JPG", 85);
    ok = save(icon(), dir + "/pictures/icon.png", "PNG") && ok;
    ok = save(icon(), dir + "/pictures/icon.ico", "ICO") && ok;
    ok = save(largeIcon(256), dir + "/pictures/icon-256.png", "PNG") && ok;
    ok = save(productBox(), dir + "/pictures/product_box.jpg", "JPG", 88) && ok;
    ok = save(checkMark(), dir + "/pictures/check_mark.png", "PNG") && ok;
    ok = save(graphBackground(), dir + "/documents/bbt/background.jpg", "JPG", 80) && ok;
    return ok ? 0 : 1;
}
