// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A colour swatch that can be pressed, by mouse or with Space or Enter when
// it has focus: the lighting page's colour and the colour editor's presets.
// An invalid colour (an effect whose colour was never set) is drawn as an
// empty, crossed-out swatch.
class DefaultColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit DefaultColorArea(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    // The focus ring's colour and the scale of line widths and corners.
    void setLook(const QColor& accent, double scale);

Q_SIGNALS:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_color;
    QColor m_accent{255, 125, 0};
    double m_scale = 1.0;
    bool m_pressed = false;
};
