// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/macro/MouseCommandTree.h"

#include "editors/macro/MacroStepText.h"
#include "protocol/MacroSteps.h"

#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int kKindRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
enum ItemKind
{
    ButtonItem,
    PressItem,
    ReleaseItem,
    MoveItem
};
} // namespace

MouseCommandTree::MouseCommandTree(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    header()->hide();
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Fixed);
    setExpandsOnDoubleClick(false);
    for (int b = 0; b < MacroSteps::ButtonCount; ++b) {
        auto* item = new QTreeWidgetItem(this);
        item->setData(0, kKindRole, ButtonItem);
        item->setData(0, kIndexRole, b);
        for (int kind : {PressItem, ReleaseItem}) {
            auto* child = new QTreeWidgetItem(item);
            child->setData(0, kKindRole, kind);
            child->setData(0, kIndexRole, b);
        }
        m_buttons.append(item);
        // Only the moves have a second column; button items use the full width.
        item->setFirstColumnSpanned(true);
        for (int c = 0; c < item->childCount(); ++c)
            item->child(c)->setFirstColumnSpanned(true);
    }
    for (int d = MacroSteps::MoveLeft; d <= MacroSteps::MoveDown; ++d) {
        auto* item = new QTreeWidgetItem(this);
        item->setData(0, kKindRole, MoveItem);
        item->setData(0, kIndexRole, d);
        auto* field = new QLineEdit(QStringLiteral("5"), this);
        field->setObjectName(QStringLiteral("moveDistance%1").arg(d));
        field->setMaxLength(5);
        field->setValidator(new QIntValidator(1, 99999, field));
        setItemWidget(item, 1, field);
        m_moves.append(item);
        m_distances.append(field);
    }
    connect(this, &QTreeWidget::itemClicked, this, &MouseCommandTree::TreeitemClick);
    retranslate();
}

void MouseCommandTree::retranslate()
{
    for (QTreeWidgetItem* item : qAsConst(m_buttons)) {
        item->setText(0, MacroStepText::buttonName(item->data(0, kIndexRole).toInt()));
        item->child(0)->setText(0, tr("PRESS DOWN"));
        item->child(1)->setText(0, tr("BOUNCE UP"));
    }
    for (int d = 0; d < m_moves.size(); ++d) {
        m_moves[d]->setText(0, MacroStepText::moveName(d));
        m_distances[d]->setAccessibleName(tr("%1 distance").arg(MacroStepText::moveName(d)));
    }
}

void MouseCommandTree::rescale(const std::function<int(int)>& scaled)
{
    setIndentation(scaled(10));
    header()->resizeSection(1, scaled(36));
}

int MouseCommandTree::distance(int direction) const
{
    const QLineEdit* field = m_distances.value(direction);
    return field ? field->text().toInt() : 0;
}

void MouseCommandTree::TreeitemClick(QTreeWidgetItem* item, int)
{
    if (!item)
        return;
    const int index = item->data(0, kIndexRole).toInt();
    switch (item->data(0, kKindRole).toInt()) {
    case ButtonItem:
        if (!item->isExpanded()) {
            for (QTreeWidgetItem* other : qAsConst(m_buttons))
                other->setExpanded(other == item);
            return;
        }
        Q_EMIT clickRequested(index);
        return;
    case PressItem:
    case ReleaseItem:
        Q_EMIT buttonChangeRequested(index, item->data(0, kKindRole).toInt() == PressItem);
        return;
    case MoveItem:
        Q_EMIT moveRequested(index, distance(index));
        return;
    default:
        return;
    }
}

void MouseCommandTree::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        TreeitemClick(currentItem(), 0);
        event->accept();
        return;
    default:
        QTreeWidget::keyPressEvent(event);
    }
}
