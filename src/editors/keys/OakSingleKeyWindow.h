// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/keys/KeyDialogFrame.h"

class QLabel;

// Captures one key: the last key pressed or released while it is open.
class OakSingleKeyWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    explicit OakSingleKeyWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    // Shows a stored key and makes it the result.
    void preset(quint8 keyCode);
    // 0 until a key was seen.
    quint8 keyCode() const { return m_keyCode; }
    QString shownText() const;

protected:
    void keyCaptured(quint8 keyCode, quint8 flags) override;

private:
    QLabel* m_hint = nullptr;
    QLabel* m_display = nullptr;
    quint8 m_keyCode = 0;
};
