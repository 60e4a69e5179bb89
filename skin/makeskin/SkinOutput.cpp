#include "SkinOutput.h"

#include "widgets/SkinImage.h"

#include <QDir>
#include <QFile>
#include <QSvgRenderer>
#include <cstdio>

SkinOutput::SkinOutput(const QString& folder) : m_folder(folder)
{
    QDir().mkpath(folder);
}

QSize SkinOutput::designSize(const QByteArray& svg)
{
    const QSvgRenderer renderer(svg);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

bool SkinOutput::write(const QByteArray& svg, const QString& baseName) const
{
    const QString base = m_folder + QLatin1Char('/') + baseName;
    const QImage image = SkinImage::renderSvg(svg, designSize(svg));
    if (image.isNull()) {
        std::fprintf(stderr, "makeskin: %s is no drawable SVG\n", qPrintable(baseName));
        return false;
    }
    QFile file(base + QStringLiteral(".svg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(svg) != svg.size() ||
        !image.save(base + QStringLiteral(".png"))) {
        std::fprintf(stderr, "makeskin: cannot write %s\n", qPrintable(base));
        return false;
    }
    return true;
}
