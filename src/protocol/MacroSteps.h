// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MacroEvent.h"

#include <QVector>

// The steps of the macro being edited and every rule that changes them: the
// kinds the step table can show, what the mouse commands insert, the editing
// bar, edit mode and the clipboard. The editor keeps the selection and asks
// here what each action does; every insertion is refused as a whole when it
// would give the macro more steps than a button can hold.
class MacroSteps
{
public:
    // A button record holds this many steps; a longer macro would lose its end.
    static constexpr int kMaxSteps = 84;
    // A move step holds signed bytes; the editor keeps distances within this.
    static constexpr int kMaxMoveDistance = 120;
    // The delay the mouse commands and "INSERT DELAY" put in with recorded delays.
    static constexpr int kCommandDelayMs = 10;

    // The mouse buttons in the order of the mouse command tree.
    enum Button
    {
        LeftButton,
        MiddleButton,
        RightButton,
        ForwardButton,
        BackwardButton,
        ButtonCount
    };
    enum Direction
    {
        MoveLeft,
        MoveRight,
        MoveUp,
        MoveDown
    };

    // How the mouse commands follow their steps with a delay: a macro's
    // delay type and default delay, and the model's delay unit.
    struct DelayRule
    {
        int delayType = 0;
        int defaultDelayMs = 10;
        int unitMs = 1;
    };

    static quint8 buttonBit(int button);
    // The tree index of a stored button bit; -1 for bits no command sets.
    static int buttonIndex(quint8 bit);
    // The direction and distance of a one-axis move step.
    static Direction direction(const MacroEvent& move);
    static int distance(const MacroEvent& move);

    const QVector<MacroEvent>& events() const { return m_events; }
    int size() const { return int(m_events.size()); }
    bool isEmpty() const { return m_events.isEmpty(); }
    bool isValidRow(int row) const { return row >= 0 && row < size(); }
    void clear() { m_events.clear(); }

    // Puts stored steps back as the table shows them; kinds the table cannot
    // show are dropped (see normalised()).
    void load(const QVector<MacroEvent>& stored);
    // The step as the table shows it; false when the table has no such kind.
    static bool normalised(const MacroEvent& stored, MacroEvent* shown);

    // Inserts after `row` (at the end when no row is valid). Returns the last
    // inserted row, or -1 when the macro would grow past kMaxSteps.
    int insertAfter(int row, const QVector<MacroEvent>& steps);
    bool canInsert(int count) const { return size() + count <= kMaxSteps; }

    // What the mouse commands insert.
    static QVector<MacroEvent> click(int button, const DelayRule& rule);
    static QVector<MacroEvent> buttonChange(int button, bool press, const DelayRule& rule);
    static QVector<MacroEvent> move(Direction direction, int distance, const DelayRule& rule);
    static MacroEvent delay(int ms, int unitMs);

    // The editing bar. Each returns the row to select afterwards, or -1 when
    // nothing changed (no valid row, or nowhere to move).
    int removeRow(int row);
    int moveUp(int row);
    int moveDown(int row);
    int moveToTop(int row);
    int moveToBottom(int row);

    // The clipboard: copy and cut take the given rows in table order; cut
    // returns the row to select (the one after the removed block).
    QVector<MacroEvent> copy(QVector<int> rows) const;
    int cut(const QVector<int>& rows, QVector<MacroEvent>* taken);

    // Edit mode: rewrites the step in `row`, keeping its kind; false when the
    // row is not of a kind the change applies to.
    bool setDelay(int row, int ms, int unitMs);
    bool setMoveDistance(int row, int distance);
    bool setMove(int row, Direction direction, int distance);
    bool setButton(int row, int button);
    bool setKey(int row, quint8 usage);

    // True when every press (key or mouse button) is followed by its release.
    static bool allReleased(const QVector<MacroEvent>& events);

private:
    QVector<MacroEvent> m_events;
};
