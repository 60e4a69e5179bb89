// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QProgressBar>

// The battery bar: 0 to 100, in one of two looks. Off: grey bar and chunk
// with its text hidden (the mouse does not answer). On: white bar with the
// chunk in the theme colour and black text. Corners and text size follow
// the scale factor.
class OakBatteryBar : public QProgressBar
{
    Q_OBJECT

public:
    enum class Look
    {
        Off,
        On
    };

    explicit OakBatteryBar(QWidget* parent = nullptr);

    void setLook(Look look, const QColor& themeColor, qreal scaleFactor);
    Look look() const { return m_look; }

    static QString styleSheetFor(Look look, const QColor& themeColor, qreal scaleFactor);

private:
    Look m_look = Look::Off;
};
