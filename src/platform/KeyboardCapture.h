// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QtGlobal>
#include <memory>

class QWindow;

// Every key the user presses or releases while a capture dialog is open,
// as the pair the key dialogs normalise: the set-1 scan code and flags.
// The same pairs come from every system, so the dialogs' rules run unchanged.
class KeyboardCapture : public QObject
{
    Q_OBJECT
public:
    static constexpr quint8 kExtended = 0x01; // an extended (E0-prefixed) key
    static constexpr quint8 kAltDown = 0x20;  // Alt was held
    static constexpr quint8 kReleased = 0x80; // the key went up

    using QObject::QObject;

    // Starts delivering keys while `window` is shown; no key then reaches the
    // window's own controls. False when this system cannot capture.
    virtual bool start(QWindow* window) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

Q_SIGNALS:
    void keyCaptured(quint16 scanCode, quint8 flags);
};

// This system's keyboard capture.
std::unique_ptr<KeyboardCapture> createKeyboardCapture();
