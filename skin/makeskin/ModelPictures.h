#pragma once

#include <QByteArray>
#include <QString>

class QSettings;

// The pictures of one mouse model, made from its drawings: Mouse.svg (seen
// from above) and, when the model has one, _Side.svg (seen from the side).
// Each drawing names its button shapes button<record index> and its marker
// circles marker<record index>. The build writes:
//   Mouse.png, _Side.png      the drawings without their marker layer;
//   mouse_<i+1>.png           the top view with button<i> filled in the accent,
//                             for each front-group button i (0 to 19);
//   markers.ini               the centre of every marker, per view.
// Every PNG has its SVG beside it.
class ModelPictures
{
public:
    ModelPictures(const QString& sourceFolder, const QString& outputFolder);

    bool write() const;

private:
    bool writeView(const QString& baseName, const QString& section, QSettings& markers) const;
    bool writeHoverPictures(const QByteArray& picture) const;

    QString m_source;
    QString m_output;
};
