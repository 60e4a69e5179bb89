// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/KeyTable.h"
#include "storage/MacroEvent.h"

#include <QTableWidget>
#include <QVector>

#include <functional>

// The step table: one row per step, the action with its image in the
// "ACTION" column and delays in "DELAY(ms)". It only shows; the editor
// changes the steps and shows them again.
class MacroStepTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit MacroStepTable(QWidget* parent = nullptr);

    // imageFile turns a skin image name into its file.
    void setLook(std::function<QString(const QString&)> imageFile, int iconSize);
    void showSteps(const QVector<MacroEvent>& steps, int unitMs, KeyTable::Labels labels);
    // The current row, or -1.
    int selectedRow() const;
    // Every selected row, the current one included.
    QVector<int> selectedRows() const;
    void selectRow(int row);
    void retranslate();

Q_SIGNALS:
    void CurrentChanged(int current, int previous);

private:
    std::function<QString(const QString&)> m_imageFile;
    int m_iconSize = 16;
};
