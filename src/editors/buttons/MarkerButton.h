// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtCompat.h"
#include <QAbstractButton>
#include <QColor>

// A button marker on a mouse picture: a small numbered circle, or for the
// wheel records the skin's wheel arrow. Highlighted (the selected or
// hovered button) it is filled with the accent.
class MarkerButton : public QAbstractButton
{
    Q_OBJECT
public:
    MarkerButton(int record, QWidget* parent);

    int record() const { return m_record; }
    // An image marker (wheel up and down): normal and highlighted pictures.
    void setImages(const QPixmap& normal, const QPixmap& highlighted);
    void setAccent(const QColor& accent);
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }

Q_SIGNALS:
    void hovered(int record, bool over);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(compat::EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int m_record;
    QPixmap m_normal;
    QPixmap m_highlightedImage;
    QColor m_accent{255, 125, 0};
    bool m_highlighted = false;
    bool m_hover = false;
};
