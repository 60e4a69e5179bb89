// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

class QMenu;

// The effect button: shows the effect's name and a chevron, and drops its
// menu below itself when pressed (by mouse, Space or Enter). The menu is
// not attached with setMenu(): the style sheet's menu indicator would take
// the text's padding away.
class EffectButton : public QPushButton
{
    Q_OBJECT
public:
    explicit EffectButton(QWidget* parent = nullptr);

    QMenu* effectMenu() const { return m_menu; }
    void setScale(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void dropMenu();

    QMenu* m_menu = nullptr;
    double m_scale = 1.0;
};
