// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtCompat.h"
#include <QColor>
#include <QPixmap>
#include <QPushButton>

// The push button of the widget kit: shows one of three skin images (normal,
// hover, pressed) or, without images, its text in the theme colour. A button
// whose images are missing falls back to its text, so it never vanishes.
// Images are drawn at the button's size from their SVG sources, with their
// accent parts in the theme colour, and faded while the button is disabled.
class OakPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit OakPushButton(QWidget* parent = nullptr);

    // Image files for the normal, hover and pressed states; an empty or
    // unreadable hover or pressed image reuses the normal one.
    void setImages(const QString& normal, const QString& hover = QString(),
                   const QString& pressed = QString());
    bool hasImages() const { return !m_images[0].isEmpty(); }

    void setThemeColor(const QColor& color);
    QColor themeColor() const { return m_themeColor; }

    // A highlighted button (the selected tab or slot) paints as pressed.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }
    // A marked button carries a dot in the accent at its top right (what it
    // stands for has changes not yet applied, say); `description` tells
    // assistive technology why.
    void setMarked(bool marked, const QString& description = QString());
    bool isMarked() const { return m_marked; }

Q_SIGNALS:
    void EnterSignal(OakPushButton* button);
    // True when the pointer comes over the button, false when it leaves.
    void OverSignal(OakPushButton* button, bool over);

protected:
    void enterEvent(compat::EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPixmap imageForState() const;
    void paintFocus(QPainter& painter);
    void paintMark(QPainter& painter);

    // Paths of the readable images; an empty path when missing.
    QString m_images[3];
    QColor m_themeColor{255, 0, 0};
    bool m_hovered = false;
    bool m_highlighted = false;
    bool m_marked = false;
    // The focus came from the keyboard: show where it is.
    bool m_keyboardFocus = false;
};
