// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>
#include <QtGlobal>

// The register value per DPI step of the sensors whose DPI encoding goes
// through a table (3311, 3325, 3327, 3333, 3335). The tables are model data,
// shipped as ":/protocol/SensorTables.json" and read once.
class SensorTables
{
public:
    // The shipped tables, loaded on first use. A damaged resource gives
    // empty tables (every lookup then reads 0) and a warning in the log.
    static const SensorTables& shipped();

    // Parses the JSON form; on failure returns empty tables and sets error.
    static SensorTables fromJson(const QByteArray& json, QString* error = nullptr);

    bool contains(int table) const { return m_tables.contains(table); }
    int size(int table) const { return m_tables.value(table).size(); }

    // Entry `index` of `table`. Indices past either end read the nearest end
    // entry, so a level outside a sensor's range never reads outside the
    // table; an unknown table reads 0.
    quint8 value(int table, int index) const;

    // The index range [first, last] of a table's estimated entries, or
    // (-1, -1) when all of its entries are measured values.
    QPair<int, int> estimatedRange(int table) const { return m_estimated.value(table, qMakePair(-1, -1)); }

private:
    QHash<int, QVector<quint8>> m_tables;
    QHash<int, QPair<int, int>> m_estimated;
};
