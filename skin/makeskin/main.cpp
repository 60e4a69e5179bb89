// Builds the application's skin from its SVG sources.
// Run as: makeskin <skin source folder> <output folder>
//   images/<name>.svg       -> <name>.svg and <name>.png at the design size
//   images/icon.svg         -> also icon.ico, the window and tray icon
//   images/loading.svg      -> also loading.gif, the busy animation (turned
//                              step by step on the busy dialog's panel colour)
//   mouse/<model>/*.svg     -> mouse/<model>/: the model's pictures (ModelPictures)
#include "GifWriter.h"
#include "ModelPictures.h"
#include "SkinOutput.h"
#include "widgets/SkinImage.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeIcon(const QByteArray& svg, const QString& folder)
{
    const QImage icon = SkinImage::renderSvg(svg, SkinOutput::designSize(svg));
    // A PNG inside when this Qt has no ICO writer; loaders read either.
    const bool hasIco = QImageWriter::supportedImageFormats().contains("ico");
    QImageWriter writer(folder + QStringLiteral("/icon.ico"), hasIco ? QByteArray("ico") : QByteArray("png"));
    if (writer.write(icon))
        return true;
    std::fprintf(stderr, "makeskin: cannot write icon.ico: %s\n", qPrintable(writer.errorString()));
    return false;
}

bool writeAnimation(const QByteArray& svg, const QString& folder)
{
    // The busy dialog's panel, the ring and the accent: the colours of every frame.
    const QColor panel(0x24, 0x27, 0x2e);
    const GifWriter gif({panel, QColor(0x32, 0x36, 0x3e), SkinImage::sampleAccent()}, 80);
    constexpr int kFrames = 12;
    QSvgRenderer renderer(svg);
    const QSize size = renderer.defaultSize();
    QList<QImage> frames;
    for (int i = 0; i < kFrames; ++i) {
        QImage frame(size, QImage::Format_RGB32);
        frame.fill(panel);
        QPainter painter(&frame);
        painter.translate(size.width() / 2.0, size.height() / 2.0);
        painter.rotate(i * 360.0 / kFrames);
        painter.translate(-size.width() / 2.0, -size.height() / 2.0);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        frames << frame;
    }
    QFile file(folder + QStringLiteral("/loading.gif"));
    const QByteArray data = gif.encode(frames);
    if (renderer.isValid() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(data) == data.size())
        return true;
    std::fprintf(stderr, "makeskin: cannot write loading.gif\n");
    return false;
}

bool writeImages(const QString& sources, const QString& output)
{
    const SkinOutput out(output);
    bool ok = true;
    const QDir images(sources + QStringLiteral("/images"));
    for (const QString& file : images.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name)) {
        const QByteArray svg = readFile(images.filePath(file));
        const QString base = file.chopped(4);
        ok &= out.write(svg, base);
        if (base == QLatin1String("icon"))
            ok &= writeIcon(svg, output);
        if (base == QLatin1String("loading"))
            ok &= writeAnimation(svg, output);
    }
    return ok;
}

bool writeModels(const QString& sources, const QString& output)
{
    bool ok = true;
    const QDir models(sources + QStringLiteral("/mouse"));
    for (const QString& model : models.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        ok &= ModelPictures(models.filePath(model), output + QStringLiteral("/mouse/") + model).write();
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: makeskin <skin source folder> <output folder>\n");
        return 2;
    }
    const QString sources = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const bool ok = writeImages(sources, output) && writeModels(sources, output);
    return ok ? 0 : 1;
}
