// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/keys/KeyDialogFrame.h"
#include "protocol/SniperLevels.h"

class QLabel;
class QSlider;

// The sniper sensitivity: a sensor DPI level on a slider, with the DPI it
// gives shown beside it. Takes no keys.
class OakSniperWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    explicit OakSniperWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    // A stored level; one the sensor does not accept is corrected.
    void preset(int level);
    int level() const;
    QString shownDpi() const;

Q_SIGNALS:
    void SetSniperValue(int level);

private:
    void showDpi(int level);

    int m_sensorType = 0;
    SniperLevels m_levels;
    QSlider* m_slider = nullptr;
    QLabel* m_dpi = nullptr;
};
