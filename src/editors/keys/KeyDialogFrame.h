// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/KeyTable.h"

#include <QDialog>
#include <memory>

class KeyboardCapture;
class OakPushButton;
class PageEnvironment;
class QLabel;

// The frame the key dialogs share: frameless and translucent over the skin's
// dialog image, a title line, "OK" and "Cancel", and the keyboard capture.
// While the capture runs every key belongs to it: no key closes the dialog,
// presses a button or moves the focus; the buttons answer the mouse only.
class KeyDialogFrame : public QDialog
{
    Q_OBJECT
public:
    KeyDialogFrame(const PageEnvironment& environment, QWidget* parent, const QString& title,
                   const QSize& designSize);
    ~KeyDialogFrame() override;

    bool isCapturing() const { return m_capturing; }
    // The capture behind the dialog (the system's, or a test's fake); none
    // before the dialog first captures.
    KeyboardCapture* capture() const { return m_capture.get(); }
    OakPushButton* acceptButton() const { return m_accept; }
    OakPushButton* rejectButton() const { return m_reject; }

protected:
    // A captured key turned into the program's key code; repeats of the
    // same (code, flags) pair arrive once.
    virtual void keyCaptured(quint8 keyCode, quint8 flags);
    void setCapturing(bool capturing);
    // Forget the last pair, so the next key counts even if it repeats it.
    void forgetLastKey() { m_hasLast = false; }

    const PageEnvironment& environment() const { return m_environment; }
    int scaled(int designValue) const;
    KeyTable::Labels labels() const { return m_labels; }
    QString keyName(int keyCode) const { return KeyTable::name(keyCode, m_labels); }
    // A label in the key font, for showing key names.
    QLabel* makeKeyDisplay(const QString& objectName);

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void onCaptured(quint16 scanCode, quint8 flags);
    void syncCapture();

    const PageEnvironment& m_environment;
    std::unique_ptr<KeyboardCapture> m_capture;
    KeyTable::Labels m_labels;
    QLabel* m_title = nullptr;
    OakPushButton* m_accept = nullptr;
    OakPushButton* m_reject = nullptr;
    bool m_useImage = true;
    bool m_capturing = false;
    bool m_hasLast = false;
    quint8 m_lastCode = 0;
    quint8 m_lastFlags = 0;
};
