// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/MacroSteps.h"

#include <algorithm>

namespace {

constexpr quint8 kButtonBits[MacroSteps::ButtonCount] = {1, 4, 2, 8, 16};

// A stored move component: 0 to 120 forward, 121 to 255 backward.
int signedComponent(quint8 value)
{
    return value <= MacroSteps::kMaxMoveDistance ? value : value - 256;
}

int boundedDistance(int distance)
{
    return qBound(0, distance, MacroSteps::kMaxMoveDistance);
}

MacroEvent moveStep(MacroSteps::Direction direction, int distance)
{
    const int d = boundedDistance(distance);
    switch (direction) {
    case MacroSteps::MoveLeft:
        return MacroEvent::move(-d, 0);
    case MacroSteps::MoveRight:
        return MacroEvent::move(d, 0);
    case MacroSteps::MoveUp:
        return MacroEvent::move(0, -d);
    case MacroSteps::MoveDown:
        return MacroEvent::move(0, d);
    }
    return MacroEvent::move(0, 0);
}

// The delay that follows a mouse command, by the macro's delay type.
QVector<MacroEvent> followingDelay(const MacroSteps::DelayRule& rule)
{
    if (rule.delayType == 1)
        return {MacroSteps::delay(MacroSteps::kCommandDelayMs, rule.unitMs)};
    if (rule.delayType == 2)
        return {MacroEvent::delay(MacroEvent::defaultDelayCount(rule.defaultDelayMs, rule.unitMs))};
    return {};
}

} // namespace

quint8 MacroSteps::buttonBit(int button)
{
    return button >= 0 && button < ButtonCount ? kButtonBits[button] : 0;
}

int MacroSteps::buttonIndex(quint8 bit)
{
    const auto* end = kButtonBits + ButtonCount;
    const auto* found = std::find(kButtonBits, end, bit);
    return found == end ? -1 : int(found - kButtonBits);
}

MacroSteps::Direction MacroSteps::direction(const MacroEvent& move)
{
    if (move.DataL != 0)
        return signedComponent(move.DataL) < 0 ? MoveLeft : MoveRight;
    if (move.DataH != 0)
        return signedComponent(move.DataH) < 0 ? MoveUp : MoveDown;
    return MoveLeft;
}

int MacroSteps::distance(const MacroEvent& move)
{
    const int component = move.DataL != 0 ? signedComponent(move.DataL) : signedComponent(move.DataH);
    return qAbs(component);
}

bool MacroSteps::normalised(const MacroEvent& stored, MacroEvent* shown)
{
    switch (stored.kind()) {
    case MacroEvent::MouseButton:
        if (buttonIndex(stored.DataL) < 0)
            return false;
        *shown = MacroEvent::mouseButton(stored.isPress(), stored.DataL);
        return true;
    case MacroEvent::MouseMove:
        // A move has one axis; one that moves on both cannot be shown and
        // becomes a move of nothing.
        *shown = stored.DataL != 0 && stored.DataH != 0 ? MacroEvent::move(0, 0)
                                                        : moveStep(direction(stored), distance(stored));
        return true;
    case MacroEvent::Key:
        *shown = stored.isPress() ? MacroEvent::keyPress(stored.DataL) : MacroEvent::keyRelease(stored.DataL);
        return true;
    case MacroEvent::Delay:
        *shown = MacroEvent{MacroEvent::Delay, stored.DataL, stored.DataH};
        return true;
    default:
        return false;
    }
}

void MacroSteps::load(const QVector<MacroEvent>& stored)
{
    m_events.clear();
    for (const MacroEvent& event : stored) {
        MacroEvent shown;
        if (normalised(event, &shown))
            m_events.append(shown);
    }
}

int MacroSteps::insertAfter(int row, const QVector<MacroEvent>& steps)
{
    if (steps.isEmpty() || !canInsert(int(steps.size())))
        return -1;
    const int at = isValidRow(row) ? row + 1 : size();
    for (int i = 0; i < steps.size(); ++i)
        m_events.insert(at + i, steps.at(i));
    return at + int(steps.size()) - 1;
}

MacroEvent MacroSteps::delay(int ms, int unitMs)
{
    return MacroEvent::delay(qMax(1, MacroEvent::defaultDelayCount(ms, unitMs)));
}

QVector<MacroEvent> MacroSteps::click(int button, const DelayRule& rule)
{
    QVector<MacroEvent> steps = buttonChange(button, true, rule);
    steps += buttonChange(button, false, rule);
    return steps;
}

QVector<MacroEvent> MacroSteps::buttonChange(int button, bool press, const DelayRule& rule)
{
    const quint8 bit = buttonBit(button);
    if (bit == 0)
        return {};
    return QVector<MacroEvent>{MacroEvent::mouseButton(press, bit)} + followingDelay(rule);
}

QVector<MacroEvent> MacroSteps::move(Direction direction, int distance, const DelayRule& rule)
{
    return QVector<MacroEvent>{moveStep(direction, distance)} + followingDelay(rule);
}

int MacroSteps::removeRow(int row)
{
    if (!isValidRow(row))
        return -1;
    m_events.remove(row);
    return qMin(row, size() - 1);
}

int MacroSteps::moveUp(int row)
{
    if (!isValidRow(row) || row == 0)
        return -1;
    std::swap(m_events[row], m_events[row - 1]);
    return row - 1;
}

int MacroSteps::moveDown(int row)
{
    if (!isValidRow(row) || row == size() - 1)
        return -1;
    std::swap(m_events[row], m_events[row + 1]);
    return row + 1;
}

int MacroSteps::moveToTop(int row)
{
    if (!isValidRow(row) || row == 0)
        return -1;
    const MacroEvent step = m_events.takeAt(row);
    m_events.prepend(step);
    return 0;
}

int MacroSteps::moveToBottom(int row)
{
    if (!isValidRow(row) || row == size() - 1)
        return -1;
    const MacroEvent step = m_events.takeAt(row);
    m_events.append(step);
    return size() - 1;
}

QVector<MacroEvent> MacroSteps::copy(QVector<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QVector<MacroEvent> taken;
    for (int row : rows) {
        if (isValidRow(row))
            taken.append(m_events.at(row));
    }
    return taken;
}

int MacroSteps::cut(const QVector<int>& rows, QVector<MacroEvent>* taken)
{
    *taken = copy(rows);
    QVector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    int first = -1;
    // From the end, so that the rows still to remove keep their places.
    for (auto it = sorted.crbegin(); it != sorted.crend(); ++it) {
        if (isValidRow(*it)) {
            m_events.remove(*it);
            first = *it;
        }
    }
    if (first < 0)
        return -1;
    return qMin(first, size() - 1);
}

bool MacroSteps::setDelay(int row, int ms, int unitMs)
{
    if (!isValidRow(row) || m_events.at(row).kind() != MacroEvent::Delay)
        return false;
    const MacroEvent count = MacroEvent::delay(MacroEvent::defaultDelayCount(ms, unitMs));
    m_events[row].DataL = count.DataL;
    m_events[row].DataH = count.DataH;
    return true;
}

bool MacroSteps::setMoveDistance(int row, int distance)
{
    if (!isValidRow(row) || m_events.at(row).kind() != MacroEvent::MouseMove)
        return false;
    m_events[row] = moveStep(direction(m_events.at(row)), distance);
    return true;
}

bool MacroSteps::setMove(int row, Direction direction, int distance)
{
    if (!isValidRow(row) || m_events.at(row).kind() != MacroEvent::MouseMove)
        return false;
    m_events[row] = moveStep(direction, distance);
    return true;
}

bool MacroSteps::setButton(int row, int button)
{
    const quint8 bit = buttonBit(button);
    if (!isValidRow(row) || bit == 0 || m_events.at(row).kind() != MacroEvent::MouseButton)
        return false;
    m_events[row].DataL = bit;
    return true;
}

bool MacroSteps::setKey(int row, quint8 usage)
{
    if (!isValidRow(row) || m_events.at(row).kind() != MacroEvent::Key)
        return false;
    m_events[row].DataL = usage;
    return true;
}

bool MacroSteps::allReleased(const QVector<MacroEvent>& events)
{
    // A release cancels the earliest open press of the same key or button;
    // a key and a mouse button with the same code are different things.
    QVector<MacroEvent> open;
    for (const MacroEvent& event : events) {
        if (event.kind() != MacroEvent::Key && event.kind() != MacroEvent::MouseButton)
            continue;
        if (event.isPress()) {
            open.append(event);
            continue;
        }
        const auto match = std::find_if(open.begin(), open.end(), [&](const MacroEvent& press) {
            return press.kind() == event.kind() && press.DataL == event.DataL;
        });
        // A key already held when recording began is released unpaired.
        if (match != open.end())
            open.erase(match);
    }
    return open.isEmpty();
}
