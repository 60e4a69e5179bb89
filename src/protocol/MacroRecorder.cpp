// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/MacroRecorder.h"

#include "protocol/KeyNormalisation.h"
#include "protocol/KeyTable.h"

void MacroRecorder::start(const MacroSteps& steps, int row, const MacroSteps::DelayRule& rule)
{
    m_rule = rule;
    m_held.clear();
    m_row = steps.isValidRow(row) ? row : steps.size() - 1;
    m_hasLastTime = false;
    m_lastTime = 0;
}

bool MacroRecorder::isFull(const MacroSteps& steps) const
{
    const int n = steps.size();
    return n > kLastRowWithDelays || (m_rule.delayType == 0 && n > kLastRowWithoutDelays);
}

MacroRecorder::Outcome MacroRecorder::onKey(MacroSteps& steps, quint16 scanCode, quint8 flags, qint64 nowMs)
{
    const quint8 key = KeyNormalisation::forMacroRecorder(scanCode, flags);
    const bool press = KeyNormalisation::isPress(flags);
    if (press && m_held.contains(key))
        return Outcome::Repeat;
    if (isFull(steps))
        return Outcome::Full;
    quint8 usage = 0;
    if (!KeyTable::usageForKey(key, usage))
        return Outcome::Unknown;

    QVector<MacroEvent> added;
    if (m_hasLastTime) {
        if (m_rule.delayType == 1)
            added.append(
                MacroEvent::delay(MacroEvent::recordedDelayCount(nowMs - m_lastTime, m_rule.unitMs)));
        else if (m_rule.delayType == 2)
            added.append(
                MacroEvent::delay(MacroEvent::defaultDelayCount(m_rule.defaultDelayMs, m_rule.unitMs)));
    }
    added.append(press ? MacroEvent::keyPress(usage) : MacroEvent::keyRelease(usage));
    const int last = steps.insertAfter(m_row, added);
    if (last < 0)
        return Outcome::Full;
    m_row = last;
    if (press)
        m_held.append(key);
    else
        m_held.removeAll(key);
    m_hasLastTime = true;
    m_lastTime = nowMs;
    return Outcome::Added;
}
