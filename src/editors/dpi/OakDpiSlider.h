// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QSlider;

// The level slider of a DPI stage: one bar standing for both axes while X
// and Y are linked, an X bar above a Y bar otherwise. The bars move by one
// level per arrow key. One bar may "follow" the other: its level is held
// within a span the owner sets (the levels that share the lead bar's range).
class OakDpiSlider : public QWidget
{
    Q_OBJECT
public:
    explicit OakDpiSlider(QWidget* parent = nullptr);

    void setRange(int minLevel, int maxLevel);
    void setLinked(bool linked);
    // Puts the bars at x and y without a signal.
    void setLevels(int x, int y);
    int xLevel() const { return m_x; }
    int yLevel() const { return m_y; }

    // The following bar (X when yFollows is false) is held within
    // [low, high] from now on; its level is brought inside without a signal.
    void setFollowerSpan(bool yFollows, int low, int high);

    void setBarToolTips(const QString& linked, const QString& x, const QString& y);
    void setBarNames(const QString& linked, const QString& x, const QString& y);

Q_SIGNALS:
    // A bar was moved by the user; in linked mode x equals y.
    void valueChanged(int x, int y);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onLinkedMoved(int level);
    void onXMoved(int level);
    void onYMoved(int level);
    int held(bool yAxis, int level) const;
    void showBars();

    QSlider* m_linkedBar;
    QSlider* m_xBar;
    QSlider* m_yBar;
    bool m_linked = true;
    int m_x = 0;
    int m_y = 0;
    bool m_hasSpan = false;
    bool m_yFollows = true;
    int m_spanLow = 0;
    int m_spanHigh = 0;
};
