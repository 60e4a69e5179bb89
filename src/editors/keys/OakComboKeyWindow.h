// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/keys/KeyDialogFrame.h"
#include "protocol/ComboKeys.h"

class QLabel;

// Captures a key with up to four modifiers. The result is what was held at
// the last press, so releasing the keys before "OK" keeps the combination.
class OakComboKeyWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    explicit OakComboKeyWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    // The combination stored in a button's steps.
    void preset(const ButtonAssignment& button);
    const ComboKeys& combination() const { return m_result; }
    QString shownText() const;

protected:
    void keyCaptured(quint8 keyCode, quint8 flags) override;

private:
    void showCombination(const ComboKeys& combo);

    QLabel* m_hint = nullptr;
    QLabel* m_display = nullptr;
    ComboKeys m_held;
    ComboKeys m_result;
    bool m_firstEvent = true;
};
