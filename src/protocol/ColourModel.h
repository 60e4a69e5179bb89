// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// One colour as the colour editor edits it: hue (0 to 360, where 360 is the
// same colour as 0), saturation and value (0 to 255), red, green and blue
// (0 to 255), and six hexadecimal digits. Every setter keeps all forms in
// step.
//
// Hue and saturation are kept where the colour leaves them undefined: a grey
// has no hue and black no saturation, so entering one keeps the hue and
// saturation that were chosen, and the editor's hue bar and square do not
// jump while the user moves through them.
class ColourModel
{
public:
    static constexpr int kMaxHue = 360;
    static constexpr int kMaxComponent = 255;

    ColourModel() = default;
    explicit ColourModel(const QColor& colour);

    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    int value() const { return m_value; }
    // Always an RGB colour, so its stored form is the same in every Qt version.
    QColor colour() const { return m_rgb; }

    // Out-of-range arguments are brought into range.
    void setHsv(int hue, int saturation, int value);
    void setHue(int hue) { setHsv(hue, m_saturation, m_value); }
    void setSaturationValue(int saturation, int value) { setHsv(m_hue, saturation, value); }
    void setRgb(int red, int green, int blue);
    // An invalid colour leaves the model unchanged.
    void setColour(const QColor& colour);

    // Six hexadecimal digits, upper case, two per component.
    QString hexText() const;
    // Six hexadecimal digits, with or without a leading "#" and surrounding
    // blanks. Anything else is refused and leaves the model unchanged.
    bool setHexText(const QString& text);

    bool operator==(const ColourModel& o) const
    {
        return m_hue == o.m_hue && m_saturation == o.m_saturation && m_value == o.m_value && m_rgb == o.m_rgb;
    }

private:
    int m_hue = 0;
    int m_saturation = 0;
    int m_value = kMaxComponent;
    QColor m_rgb{kMaxComponent, kMaxComponent, kMaxComponent};
};
