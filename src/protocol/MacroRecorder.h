// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/MacroSteps.h"

#include <QVector>
#include <QtGlobal>

// Turns captured keys into macro steps while the editor records: a delay
// step by the macro's delay type before every key after the first, a press
// or release step with the key's keyboard usage, and none for a key that
// repeats while held. Steps go in after a given row, so that recording can
// continue in the middle of a macro as well as at its end.
class MacroRecorder
{
public:
    // Recording stops adding once the table has more rows than these: with
    // delays each key takes two rows, without them one.
    static constexpr int kLastRowWithDelays = 82;
    static constexpr int kLastRowWithoutDelays = 55;

    enum class Outcome
    {
        Added,
        Repeat, // a held key repeating: ignored
        Full,   // the table holds all it may
        Unknown // a key the mouse has no usage for: not recorded
    };

    // Starts recording after `row` (at the end when no row is valid) with the
    // macro's delay rule; forgets the held keys and the time of the last key.
    void start(const MacroSteps& steps, int row, const MacroSteps::DelayRule& rule);

    // A captured key at time nowMs (any monotonic clock in milliseconds).
    Outcome onKey(MacroSteps& steps, quint16 scanCode, quint8 flags, qint64 nowMs);

    // The row of the last step added (the one to select).
    int lastRow() const { return m_row; }
    const QVector<quint8>& heldKeys() const { return m_held; }

private:
    bool isFull(const MacroSteps& steps) const;

    MacroSteps::DelayRule m_rule;
    QVector<quint8> m_held; // key codes pressed and not yet released
    int m_row = -1;
    bool m_hasLastTime = false;
    qint64 m_lastTime = 0;
};
