#include "ModelPictures.h"

#include "SkinOutput.h"
#include "SvgEdit.h"
#include "widgets/SkinImage.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int kFrontGroupSize = 20;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Marker centres in design pixels, under "<section>/button<r>/x" and "/y".
void writeMarkers(const QByteArray& drawing, const QString& section, QSettings& markers)
{
    static const QRegularExpression markerId(QStringLiteral("^marker(\\d+)$"));
    const QSvgRenderer renderer(drawing);
    markers.beginGroup(section);
    for (const QString& id : SvgEdit::ids(drawing, markerId)) {
        const QPointF centre =
            renderer.transformForElement(id).mapRect(renderer.boundsOnElement(id)).center();
        const QString button = QStringLiteral("button") + markerId.match(id).captured(1);
        markers.setValue(button + QStringLiteral("/x"), qRound(centre.x()));
        markers.setValue(button + QStringLiteral("/y"), qRound(centre.y()));
    }
    markers.endGroup();
}

} // namespace

ModelPictures::ModelPictures(const QString& sourceFolder, const QString& outputFolder)
    : m_source(sourceFolder), m_output(outputFolder)
{
}

bool ModelPictures::write() const
{
    const QString markersFile = m_output + QStringLiteral("/markers.ini");
    QFile::remove(markersFile);
    QSettings markers(markersFile, QSettings::IniFormat);
    bool ok = writeView(QStringLiteral("Mouse"), QStringLiteral("Front"), markers);
    if (QFileInfo::exists(m_source + QStringLiteral("/_Side.svg")))
        ok &= writeView(QStringLiteral("_Side"), QStringLiteral("Side"), markers);
    markers.sync();
    return ok && markers.status() == QSettings::NoError;
}

bool ModelPictures::writeView(const QString& baseName, const QString& section, QSettings& markers) const
{
    const QByteArray drawing = readFile(m_source + QLatin1Char('/') + baseName + QStringLiteral(".svg"));
    const QSize size = SkinOutput::designSize(drawing);
    if (!size.isValid()) {
        std::fprintf(stderr, "makeskin: %s/%s.svg is missing or no SVG\n", qPrintable(m_source),
                     qPrintable(baseName));
        return false;
    }
    markers.setValue(section + QStringLiteral("/picture"), baseName + QStringLiteral(".png"));
    markers.setValue(section + QStringLiteral("/width"), size.width());
    markers.setValue(section + QStringLiteral("/height"), size.height());
    writeMarkers(drawing, section, markers);

    const QByteArray picture = SvgEdit::withoutElement(drawing, QStringLiteral("markers"));
    bool ok = SkinOutput(m_output).write(picture, baseName);
    if (section == QLatin1String("Front"))
        ok &= writeHoverPictures(picture);
    return ok;
}

bool ModelPictures::writeHoverPictures(const QByteArray& picture) const
{
    static const QRegularExpression buttonId(QStringLiteral("^button(\\d+)$"));
    const SkinOutput output(m_output);
    const QString accent = SkinImage::sampleAccent().name();
    bool ok = true;
    for (const QString& id : SvgEdit::ids(picture, buttonId)) {
        const int index = buttonId.match(id).captured(1).toInt();
        if (index >= kFrontGroupSize)
            continue;
        ok &= output.write(SvgEdit::withFill(picture, id, accent), QStringLiteral("mouse_%1").arg(index + 1));
    }
    return ok;
}
