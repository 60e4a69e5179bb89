// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/macro/MacroStepTable.h"

#include "editors/macro/MacroStepText.h"
#include "widgets/SkinImage.h"

#include <QHeaderView>
#include <QItemSelectionModel>

MacroStepTable::MacroStepTable(QWidget* parent) : QTableWidget(parent)
{
    setColumnCount(2);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                Q_EMIT CurrentChanged(current.row(), previous.row());
            });
    retranslate();
}

void MacroStepTable::retranslate()
{
    setHorizontalHeaderLabels({tr("ACTION"), tr("DELAY(ms)")});
}

void MacroStepTable::setLook(std::function<QString(const QString&)> imageFile, int iconSize)
{
    m_imageFile = std::move(imageFile);
    m_iconSize = iconSize;
    setIconSize(QSize(iconSize, iconSize));
    verticalHeader()->setDefaultSectionSize(iconSize + iconSize / 2 + 4);
}

void MacroStepTable::showSteps(const QVector<MacroEvent>& steps, int unitMs, KeyTable::Labels labels)
{
    const QSignalBlocker blocker(selectionModel());
    setRowCount(int(steps.size()));
    for (int row = 0; row < steps.size(); ++row) {
        const MacroStepText text = MacroStepText::describe(steps.at(row), unitMs, labels);
        auto* action = new QTableWidgetItem(text.action);
        if (!text.image.isEmpty() && m_imageFile)
            action->setIcon(SkinImage::pixmap(m_imageFile(text.image), QSize(m_iconSize, m_iconSize)));
        action->setData(Qt::AccessibleTextRole, text.accessible);
        action->setToolTip(text.accessible);
        auto* delay = new QTableWidgetItem(text.delay);
        delay->setData(Qt::AccessibleTextRole, text.accessible);
        delay->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, 0, action);
        setItem(row, 1, delay);
    }
}

int MacroStepTable::selectedRow() const
{
    const int row = currentRow();
    return row >= 0 && row < rowCount() ? row : -1;
}

QVector<int> MacroStepTable::selectedRows() const
{
    QVector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    const int current = selectedRow();
    if (current >= 0 && !rows.contains(current))
        rows.append(current);
    return rows;
}

void MacroStepTable::selectRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(item(row, 0));
}
