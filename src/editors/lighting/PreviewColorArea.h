// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// The colour editor's preview: the colour being chosen above, the colour
// the editor opened with below, so the two can be compared.
class PreviewColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    void setInitialColor(const QColor& color);
    void setScale(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    QColor m_initial;
    double m_scale = 1.0;
};
