// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LatencyProbe.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

LatencyProbe::LatencyProbe(int intervalMs, QObject* parent)
    : QObject(parent), m_intervalMs(intervalMs), m_timer(new QTimer(this))
{
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(intervalMs);
    connect(m_timer, &QTimer::timeout, this, &LatencyProbe::fired);
}

void LatencyProbe::start()
{
    m_delaysUs.clear();
    m_clock.start();
    m_lastUs = 0;
    m_timer->start();
}

void LatencyProbe::stop()
{
    m_timer->stop();
}

void LatencyProbe::fired()
{
    const qint64 nowUs = m_clock.nsecsElapsed() / 1000;
    m_delaysUs.append(std::max<qint64>(0, nowUs - m_lastUs - m_intervalMs * 1000));
    m_lastUs = nowUs;
}

qint64 LatencyProbe::worstUs() const
{
    return m_delaysUs.isEmpty() ? 0 : *std::max_element(m_delaysUs.begin(), m_delaysUs.end());
}

qint64 LatencyProbe::percentileUs(double percent) const
{
    if (m_delaysUs.isEmpty())
        return 0;
    QVector<qint64> sorted = m_delaysUs;
    std::sort(sorted.begin(), sorted.end());
    const int rank = int(std::ceil(percent / 100.0 * sorted.size())) - 1;
    return sorted.at(std::clamp(rank, 0, int(sorted.size()) - 1));
}
