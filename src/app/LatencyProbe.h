// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QVector>

class QTimer;

// Measures how late the event loop of its thread runs: a precise timer
// fires every interval, and each firing records how much later than due it
// came. A loop that never blocks keeps every delay near zero.
class LatencyProbe : public QObject
{
    Q_OBJECT
public:
    explicit LatencyProbe(int intervalMs = 4, QObject* parent = nullptr);

    void start();
    void stop();

    // Delays in microseconds, in the order measured.
    const QVector<qint64>& delaysUs() const { return m_delaysUs; }
    qint64 worstUs() const;
    // The delay that `percent` percent of the firings stayed within.
    qint64 percentileUs(double percent) const;

private:
    void fired();

    int m_intervalMs;
    QTimer* m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastUs = 0;
    QVector<qint64> m_delaysUs;
};
