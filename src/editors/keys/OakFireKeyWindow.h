// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/keys/KeyDialogFrame.h"
#include "protocol/FireKey.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

// A fire key: the target ("Left", "Right", "Middle" or a captured keyboard
// key), the number of shots ("Times:") and the delay between them
// ("Delay:"). Keys are captured only for "Keyboard Key", and not while
// either field is being typed in.
class OakFireKeyWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    explicit OakFireKeyWindow(const PageEnvironment& environment, QWidget* parent = nullptr);
    ~OakFireKeyWindow() override;

    void preset(const ButtonAssignment& button);
    // The fire key as the dialog holds it; a field left empty or out of range
    // counts as its default.
    FireKey fireKey() const;
    QString shownKey() const;

Q_SIGNALS:
    void SetFireKeyValue(quint8 keyCode, int target, int times, int delay);

protected:
    void keyCaptured(quint8 keyCode, quint8 flags) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setTarget(FireKey::Target target);
    void onTargetChosen(int id);
    void onFocusChanged(QWidget* old, QWidget* now);
    void updateCapture();
    void updateAccept();
    void emitValue();
    QLineEdit* makeField(const QString& objectName, const QString& caption, int y);

    QButtonGroup* m_targets = nullptr;
    QLabel* m_display = nullptr;
    QLineEdit* m_times = nullptr;
    QLineEdit* m_delay = nullptr;
    FireKey::Target m_target = FireKey::Left;
    quint8 m_keyCode = 0;
    bool m_skipNextKey = false;
};
