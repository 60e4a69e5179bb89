// Draws the application's skin: the window background, the window buttons,
// the battery, status and tray images. Run as: makeskin <output folder>.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kAccent(255, 125, 0);
const QColor kIdle(150, 154, 162);
const QColor kHover(235, 238, 242);

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool save(const QImage& image, const QString& dir, const QString& name)
{
    if (image.save(dir + QLatin1Char('/') + name))
        return true;
    std::fprintf(stderr, "makeskin: cannot write %s\n", qPrintable(name));
    return false;
}

QImage background()
{
    QImage image = canvas(999, 640);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, 998, 639), 18, 18);
    QLinearGradient fill(0, 0, 0, 640);
    fill.setColorAt(0, QColor(36, 38, 44));
    fill.setColorAt(1, QColor(16, 17, 20));
    p.fillPath(shape, fill);
    p.setPen(QPen(QColor(70, 74, 82), 1));
    p.drawPath(shape);
    // Title strip and the panel that frames the pages.
    p.fillRect(QRectF(24, 62, 951, 1), QColor(60, 63, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 10));
    p.drawRoundedRect(QRectF(275, 70, 690, 480), 10, 10);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(24, 24, 6, 24), 3, 3);
    return image;
}

QImage glyphButton(bool cross, const QColor& color, bool pressed)
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawEllipse(QRectF(1, 1, 22, 22));
    }
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
    if (cross) {
        p.drawLine(QPointF(7, 7), QPointF(17, 17));
        p.drawLine(QPointF(17, 7), QPointF(7, 17));
    } else {
        p.drawLine(QPointF(6, 12), QPointF(18, 12));
    }
    return image;
}

QImage battery(const QColor& body)
{
    QImage image = canvas(44, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(body, 2));
    p.drawRoundedRect(QRectF(1, 1, 38, 18), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(40, 6, 3, 8), 1, 1);
    return image;
}

QImage lightning()
{
    QImage image = canvas(16, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF(
        {QPointF(10, 0), QPointF(2, 11), QPointF(7, 11), QPointF(5, 20), QPointF(14, 8), QPointF(9, 8)}));
    return image;
}

QImage mouseShape(int size, const QColor& body)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 64.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(20, 20, 24), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(16, 4, 32, 56), 16, 16);
    p.drawLine(QPointF(32, 4), QPointF(32, 24));
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(29, 10, 6, 10), 3, 3);
    return image;
}

QImage receiver(int w, int h)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = w / 40.0;
    p.scale(s, s * (h / qreal(w)) * (40.0 / 24.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 184, 190));
    p.drawRoundedRect(QRectF(0, 6, 14, 12), 2, 2);
    p.setBrush(QColor(40, 42, 48));
    p.drawRoundedRect(QRectF(13, 4, 27, 16), 4, 4);
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(33, 10, 4, 4));
    return image;
}

QImage globe()
{
    QImage image = canvas(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kIdle, 1.5));
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.drawEllipse(QRectF(8, 3, 8, 18));
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeskin <output folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);

    bool ok = save(background(), dir, QStringLiteral("cfgMainback.png"));
    const QColor states[3] = {kIdle, kHover, kAccent};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        ok &= save(glyphButton(true, states[i], i == 2), dir, QStringLiteral("close-%1.png").arg(n));
        ok &= save(glyphButton(false, states[i], i == 2), dir, QStringLiteral("min-%1.png").arg(n));
    }
    ok &= save(battery(kIdle), dir, QStringLiteral("bat1.png"));
    ok &= save(battery(kAccent), dir, QStringLiteral("bat2.png"));
    ok &= save(lightning(), dir, QStringLiteral("lightning.png"));
    ok &= save(receiver(40, 24), dir, QStringLiteral("dongle.png"));
    ok &= save(receiver(160, 96), dir, QStringLiteral("dongle2.png"));
    ok &= save(mouseShape(48, QColor(60, 63, 70)), dir, QStringLiteral("mouselogo.png"));
    ok &= save(globe(), dir, QStringLiteral("lang.png"));

    const QImage icon = mouseShape(64, QColor(200, 204, 210));
    ok &= save(icon, dir, QStringLiteral("icon.png"));
    // The window and tray icon file; a PNG inside when this Qt cannot write ICO.
    QImageWriter ico(dir + QStringLiteral("/icon.ico"), QImageWriter::supportedImageFormats().contains("ico")
                                                            ? QByteArray("ico")
                                                            : QByteArray("png"));
    ok &= ico.write(icon);
    return ok ? 0 : 1;
}
