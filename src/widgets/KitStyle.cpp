// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/KitStyle.h"

namespace KitStyle {

namespace {

QString css(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

} // namespace

QString styleSheet(const QColor& accent, const UiScale& scale)
{
    const auto px = [&](int design) { return QString::number(scale.scaled(design)) + QStringLiteral("px"); };
    QString sheet = QStringLiteral(R"(
* { outline: 0px; }
QWidget { color: @text; }
QToolTip { color: @text; background: @panel; border: 1px solid @hairline; padding: @4; }
QLabel:disabled, QRadioButton:disabled, QCheckBox:disabled { color: @disabled; }
QRadioButton, QCheckBox { spacing: @6; background: transparent; }
QRadioButton::indicator, QCheckBox::indicator { width: @14; height: @14; border: 1px solid @secondary; background: @panel; }
QRadioButton::indicator { border-radius: @7; }
QCheckBox::indicator { border-radius: @3; }
QRadioButton::indicator:checked, QCheckBox::indicator:checked { background: @accent; border-color: @accent; }
QRadioButton:focus, QCheckBox:focus { color: @accent; }
QSlider { background: transparent; }
QSlider::groove:horizontal { height: @4; background: @hairline; border-radius: @2; }
QSlider::sub-page:horizontal { background: @accent; border-radius: @2; }
QSlider::handle:horizontal { width: @14; height: @14; margin: -@5 0; border-radius: @7; background: @text; border: 2px solid @accent; }
QSlider::groove:vertical { width: @4; background: @hairline; border-radius: @2; }
QSlider::add-page:vertical { background: @accent; border-radius: @2; }
QSlider::handle:vertical { width: @14; height: @14; margin: 0 -@5; border-radius: @7; background: @text; border: 2px solid @accent; }
QSlider::handle:focus { background: @accent; }
QSlider::handle:disabled { border-color: @disabled; background: @disabled; }
QSlider::sub-page:horizontal:disabled, QSlider::add-page:vertical:disabled { background: @disabled; }
QLineEdit, QSpinBox, QComboBox { color: @text; background: @panel; border: 1px solid @hairline; border-radius: @3; padding: @2 @4; selection-background-color: @accent; }
QLineEdit:focus, QSpinBox:focus, QComboBox:focus { border-color: @accent; }
QLineEdit:disabled, QSpinBox:disabled, QComboBox:disabled { color: @disabled; }
QMenu { color: @text; background: @panel; border: 1px solid @hairline; padding: @4 0; }
QMenu::item { padding: @4 @12; }
QMenu::item:selected { background: @hover; color: @accent; }
QMenu::item:disabled { color: @disabled; }
QMenu::separator { height: 1px; background: @hairline; margin: @4 @8; }
QListWidget, QTreeWidget, QTableWidget, QListView, QTreeView, QTableView { color: @text; background: @panel; border: 1px solid @hairline; border-radius: @3; alternate-background-color: @background; selection-background-color: @hover; selection-color: @accent; }
QHeaderView::section { color: @secondary; background: @background; border: none; border-bottom: 1px solid @hairline; padding: @2 @4; }
QTableView QTableCornerButton::section { background: @background; border: none; }
QScrollBar:vertical { width: @8; background: transparent; }
QScrollBar:horizontal { height: @8; background: transparent; }
QScrollBar::handle { background: @hairline; border-radius: @4; min-height: @24; min-width: @24; }
QScrollBar::handle:hover { background: @secondary; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }
QScrollArea { background: transparent; border: none; }
QFileDialog { background: @background; }
QFileDialog QHeaderView { background: @background; }
QFileDialog QPushButton, QFileDialog QToolButton { color: @text; background: @panel; border: 1px solid @hairline; border-radius: @3; padding: @4 @12; }
QFileDialog QToolButton { padding: @2; }
QFileDialog QPushButton:hover, QFileDialog QToolButton:hover { background: @hover; }
QFileDialog QPushButton:focus, QFileDialog QToolButton:focus { border-color: @accent; }
QFileDialog QPushButton:disabled, QFileDialog QToolButton:disabled { color: @disabled; }
QFileDialog QComboBox QAbstractItemView { color: @text; background: @panel; selection-background-color: @hover; selection-color: @accent; }
)");
    // Longest keys first, so "@14" is not taken for "@1" followed by "4".
    for (int design : {24, 14, 12, 8, 7, 6, 5, 4, 3, 2})
        sheet.replace(QStringLiteral("@%1").arg(design), px(design));
    sheet.replace(QStringLiteral("@accent"), css(accent));
    sheet.replace(QStringLiteral("@panel"), css(kPanel));
    sheet.replace(QStringLiteral("@hover"), css(kPanelHover));
    sheet.replace(QStringLiteral("@hairline"), css(kHairline));
    sheet.replace(QStringLiteral("@secondary"), css(kSecondaryText));
    sheet.replace(QStringLiteral("@disabled"), css(kDisabledText));
    sheet.replace(QStringLiteral("@background"), css(kBackground));
    sheet.replace(QStringLiteral("@text"), css(kText));
    return sheet;
}

} // namespace KitStyle
