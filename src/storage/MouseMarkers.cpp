// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MouseMarkers.h"

#include "storage/IniReader.h"

#include <QRegularExpression>

namespace {

constexpr int kRecords = 42;
constexpr int kMaxSide = 4096;

int intValue(const IniReader& ini, const QString& key, bool* ok)
{
    return ini.value(key).toString().trimmed().toInt(ok);
}

MouseMarkers::Picture readView(const IniReader& ini, const QString& section, const QString& defaultFile)
{
    MouseMarkers::Picture picture;
    const QString file = ini.value(section + QStringLiteral("/picture")).toString();
    // Only a plain file name: the picture must lie beside the marker file.
    const bool plain = !file.isEmpty() && !file.contains(QLatin1Char('/')) &&
                       !file.contains(QLatin1Char('\\')) && file != QStringLiteral("..");
    picture.file = plain ? file : defaultFile;
    bool okW = false;
    bool okH = false;
    const int width = intValue(ini, section + QStringLiteral("/width"), &okW);
    const int height = intValue(ini, section + QStringLiteral("/height"), &okH);
    if (!okW || !okH || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return picture;
    picture.size = QSize(width, height);
    static const QRegularExpression key(QStringLiteral("^button(\\d{1,2})/x$"));
    const QString prefix = section + QLatin1Char('/');
    for (auto it = ini.keys().cbegin(); it != ini.keys().cend(); ++it) {
        if (!it.key().startsWith(prefix))
            continue;
        const QRegularExpressionMatch match = key.match(it.key().mid(prefix.size()));
        if (!match.hasMatch())
            continue;
        const int record = match.captured(1).toInt();
        bool okX = false;
        bool okY = false;
        const int x = intValue(ini, prefix + QStringLiteral("button%1/x").arg(record), &okX);
        const int y = intValue(ini, prefix + QStringLiteral("button%1/y").arg(record), &okY);
        if (record < kRecords && okX && okY && x >= 0 && y >= 0 && x <= width && y <= height)
            picture.markers.insert(record, QPoint(x, y));
    }
    return picture;
}

} // namespace

MouseMarkers MouseMarkers::read(const QString& path)
{
    const IniReader ini(path);
    MouseMarkers markers;
    markers.m_front = readView(ini, QStringLiteral("Front"), QStringLiteral("Mouse.png"));
    markers.m_side = readView(ini, QStringLiteral("Side"), QStringLiteral("_Side.png"));
    return markers;
}
