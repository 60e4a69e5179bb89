// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/keys/KeyDialogFrame.h"

#include <QStringList>

class QCheckBox;
class QLineEdit;
class QMenu;

// Chooses the macro a button runs and how: a number of times (1 to 255),
// repeated while the button is held, repeated until it is pressed again, or
// as a "Left Button Macro". "OK" needs a chosen macro.
class OakMacroSelect : public KeyDialogFrame
{
    Q_OBJECT
public:
    enum LoopMode
    {
        LoopTimes = 0,
        RepeatWhileDown = 1,
        RepeatUntilPressed = 2
    };

    OakMacroSelect(const PageEnvironment& environment, const QStringList& macroNames,
                   QWidget* parent = nullptr);

    void preset(const QString& name, int loopCount, int loopMode, bool leftButton);

    QString macroName() const;
    int loopMode() const;
    // 1 when the field is empty or out of range.
    int loopCount() const;
    bool leftButtonMacro() const;
    QMenu* macroMenu() const { return m_menu; }

private:
    void chooseMacro(const QString& name);
    void onBoxToggled(QCheckBox* box, bool checked);

    QLineEdit* m_name = nullptr;
    QMenu* m_menu = nullptr;
    QLineEdit* m_loops = nullptr;
    QCheckBox* m_boxes[4] = {};
};
