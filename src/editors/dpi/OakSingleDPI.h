// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/DpiRule.h"

#include <QColor>
#include <QWidget>

class OakDpiSlider;
class OakStageSwitch;
class PageEnvironment;
class QCheckBox;
class QLabel;
class QRadioButton;

// One DPI stage of the DPI page: enable box, "Link XY", the level slider and
// the DPI it gives per axis. Keeps its own copy of the stage's flags and
// levels and reports every change by signal with its index.
class OakSingleDPI : public QWidget
{
    Q_OBJECT
public:
    OakSingleDPI(quint8 index, const PageEnvironment& environment, QWidget* parent = nullptr);

    quint8 index() const { return m_index; }
    // The sensor decides the slider range, the end labels, whether "Link XY"
    // is offered and the DPI of a level. A sensor without a rule keeps the
    // range and end labels shown so far and shows DPI 0.
    void setSensorType(int sensorType, const DpiLevelRange& levels, int sensorLimitFlag = 0);
    void setLink(quint8 link);
    void setEnable(quint8 used);
    void setLevels(int x, int y);
    // The active stage shows its texts in the accent colour.
    void setActive(bool active, const QColor& accent);

    int xLevel() const { return m_x; }
    int yLevel() const { return m_y; }
    QRadioButton* radio() const { return m_radio; }

    // Lays the row out for its current size (design 440 x 48, any height).
    void rescale(double factor);
    void retranslate();

Q_SIGNALS:
    void DPISignal(int x, int y, quint8 index);
    void LinkSignal(quint8 link, quint8 index);
    void EnableSignal(quint8 used, quint8 index);

public Q_SLOTS:
    void onSliderChanged(int x, int y);
    void onStateChanged(int state);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void keepAxesInOneRange();
    void showLevels();
    void colourTexts();
    int dpiOf(int level) const { return DpiRule::levelToDpi(m_sensorType, level); }

    const PageEnvironment& m_environment;
    const quint8 m_index;
    int m_sensorType = 0;
    int m_sensorLimitFlag = 0;
    DpiLevelRange m_levelsOfSensor;
    quint8 m_link = 0;
    quint8 m_used = 0;
    int m_x = 0;
    int m_y = 0;
    bool m_active = false;
    bool m_styled = false; // setActive() has styled the texts once
    QColor m_accent;
    double m_factor = 1.0;

    QRadioButton* m_radio;
    OakStageSwitch* m_enableBox;
    QCheckBox* m_linkBox;
    OakDpiSlider* m_slider;
    QLabel* m_xLabel;
    QLabel* m_yLabel;
    QLabel* m_dpiLabel;
    QLabel* m_minLabel;
    QLabel* m_maxLabel;
};
