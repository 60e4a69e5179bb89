// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// The saturation/value square of the colour editor, in the hue it is given:
// saturation grows to the right, value upwards. Dragging or clicking picks a
// point; with focus, the arrow keys move it by 1, with Shift by 16.
class SVColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit SVColorArea(QWidget* parent = nullptr);

    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    int value() const { return m_value; }
    // Shows a point without signalling it.
    void setSaturationValue(int saturation, int value);
    void setLook(const QColor& accent, double scale);

public Q_SLOTS:
    void hueChangedSlot(int hue);

Q_SIGNALS:
    // The user picked a point: the hue shown, and its saturation and value.
    void svChangedSignal(int hue, int saturation, int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF squareRect() const;
    void pickAt(const QPoint& position);
    void pick(int saturation, int value);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 255;
    QColor m_accent{255, 125, 0};
    double m_scale = 1.0;
};
