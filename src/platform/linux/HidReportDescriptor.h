// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPair>
#include <QVector>
#include <QtGlobal>

// The (usage page, usage) of every top-level collection of a HID report
// descriptor. A malformed descriptor yields what was read before the fault.
QVector<QPair<quint16, quint16>> topLevelCollections(const QByteArray& descriptor);
