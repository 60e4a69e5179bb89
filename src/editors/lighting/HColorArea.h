// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// The hue bar of the colour editor: hues 0 (top) to 360 (bottom). Dragging
// or clicking picks a hue; with focus, Up and Down move it by 1, Page Up and
// Page Down by 15, Home and End to either end.
class HColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit HColorArea(QWidget* parent = nullptr);

    int hue() const { return m_hue; }
    // Shows a hue without signalling it.
    void setHue(int hue);
    void setLook(const QColor& accent, double scale);

Q_SIGNALS:
    // The user picked a hue.
    void hueChangedSignal(int hue);
    // The user let go of the bar.
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF barRect() const;
    int hueAt(int y) const;
    void pick(int hue);

    int m_hue = 0;
    QColor m_accent{255, 125, 0};
    double m_scale = 1.0;
};
