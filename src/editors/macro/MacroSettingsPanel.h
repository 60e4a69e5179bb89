// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/macro/DesignGeometry.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
struct MacroRecord;

// The macro's playback settings beside the step table: how recording adds
// delays (two check boxes, at most one ticked), the default delay, how the
// macro repeats (three options, at most one chosen) and the loop count.
class MacroSettingsPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 139;
    static constexpr int kDesignHeight = 240;

    explicit MacroSettingsPanel(QWidget* parent = nullptr);

    // Shows the settings of a macro.
    void showSettings(const MacroRecord& macro);
    // Writes the shown settings into a macro.
    void fillSettings(MacroRecord& macro) const;
    // Gun files and new macros: the given delay type, default delay 10, loop
    // count 1, no repeat.
    void reset(int delayType);

    int delayType() const;
    int defaultDelayMs() const;

    void retranslate();
    void rescale(const std::function<int(int)>& scaled);

Q_SIGNALS:
    // The user changed a setting.
    void changed();

public Q_SLOTS:
    // Keeps each group's boxes exclusive, allowing none.
    void checkbtn_clicked();
    void DefDelayChanged(const QString& text);
    void LoopTimeChanged(const QString& text);

private:
    QCheckBox* addCheck(const char* objectName, const QRect& design);
    void rewrap();

    DesignGeometry m_geometry;
    QCheckBox* m_recordDelays = nullptr;
    QCheckBox* m_defaultDelays = nullptr;
    QLabel* m_defaultDelayLabel = nullptr;
    QLineEdit* m_defaultDelay = nullptr;
    QCheckBox* m_loopTimes = nullptr;
    QCheckBox* m_repeatWhileHeld = nullptr;
    QCheckBox* m_repeatUntilPressed = nullptr;
    QLabel* m_loopTimeLabel = nullptr;
    QLineEdit* m_loopTime = nullptr;
    std::function<int(int)> m_scaled = [](int v) { return v; };
};
