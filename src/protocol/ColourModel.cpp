// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/ColourModel.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

int bounded(int value, int high)
{
    return std::clamp(value, 0, high);
}

} // namespace

ColourModel::ColourModel(const QColor& colour)
{
    setColour(colour);
}

void ColourModel::setHsv(int hue, int saturation, int value)
{
    m_hue = bounded(hue, kMaxHue);
    m_saturation = bounded(saturation, kMaxComponent);
    m_value = bounded(value, kMaxComponent);
    // QColor takes hues 0 to 359 only; 360 is the same red as 0.
    m_rgb = QColor::fromHsv(m_hue % kMaxHue, m_saturation, m_value).toRgb();
}

void ColourModel::setRgb(int red, int green, int blue)
{
    m_rgb = QColor(bounded(red, kMaxComponent), bounded(green, kMaxComponent), bounded(blue, kMaxComponent));
    int hue = 0;
    int saturation = 0;
    int value = 0;
    m_rgb.getHsv(&hue, &saturation, &value);
    m_value = value;
    if (value == 0)
        return; // black: hue and saturation stay as chosen
    m_saturation = saturation;
    // A grey has no hue (-1); a hue of 360 is kept for the same red.
    if (hue >= 0 && !(hue == 0 && m_hue == kMaxHue))
        m_hue = hue;
}

void ColourModel::setColour(const QColor& colour)
{
    if (!colour.isValid())
        return;
    const QColor rgb = colour.toRgb();
    setRgb(rgb.red(), rgb.green(), rgb.blue());
}

QString ColourModel::hexText() const
{
    return QStringLiteral("%1%2%3")
        .arg(m_rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(m_rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(m_rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

bool ColourModel::setHexText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    const uint rgb = match.captured(1).toUInt(nullptr, 16);
    setRgb(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
    return true;
}
