// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>
#include <QVector>

#include <functional>

class QLineEdit;

// The "MOUSE COMMAND" panel: the five mouse buttons, each with "PRESS DOWN"
// and "BOUNCE UP", and the four moves, each with its distance field. A
// button item opens on its first click and asks for a click on the next;
// keyboard users reach every item with the arrows and Enter or Space.
class MouseCommandTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit MouseCommandTree(QWidget* parent = nullptr);

    void retranslate();
    void rescale(const std::function<int(int)>& scaled);
    // The distance field of a move item, as typed (0 when empty).
    int distance(int direction) const;
    QLineEdit* distanceField(int direction) const { return m_distances.value(direction); }

Q_SIGNALS:
    void clickRequested(int button);
    void buttonChangeRequested(int button, bool press);
    void moveRequested(int direction, int distance);

public Q_SLOTS:
    // Acts on an item as a click on it does.
    void TreeitemClick(QTreeWidgetItem* item, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QVector<QTreeWidgetItem*> m_buttons;
    QVector<QTreeWidgetItem*> m_moves;
    QVector<QLineEdit*> m_distances;
};
