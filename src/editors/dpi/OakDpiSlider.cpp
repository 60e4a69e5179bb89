// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/dpi/OakDpiSlider.h"

#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {

QSlider* makeBar(QWidget* parent, const char* name)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

void putQuietly(QSlider* bar, int level)
{
    const QSignalBlocker blocker(bar);
    bar->setValue(level);
}

} // namespace

OakDpiSlider::OakDpiSlider(QWidget* parent)
    : QWidget(parent), m_linkedBar(makeBar(this, "linkedBar")), m_xBar(makeBar(this, "xBar")),
      m_yBar(makeBar(this, "yBar"))
{
    connect(m_linkedBar, &QSlider::valueChanged, this, &OakDpiSlider::onLinkedMoved);
    connect(m_xBar, &QSlider::valueChanged, this, &OakDpiSlider::onXMoved);
    connect(m_yBar, &QSlider::valueChanged, this, &OakDpiSlider::onYMoved);
    showBars();
}

void OakDpiSlider::setRange(int minLevel, int maxLevel)
{
    for (QSlider* bar : {m_linkedBar, m_xBar, m_yBar}) {
        const QSignalBlocker blocker(bar);
        bar->setRange(minLevel, maxLevel);
    }
    // The stored levels stay as they are until the user moves a bar: the
    // bars only show them within the range.
    setLevels(m_x, m_y);
}

void OakDpiSlider::setLinked(bool linked)
{
    m_linked = linked;
    showBars();
}

void OakDpiSlider::setLevels(int x, int y)
{
    m_x = x;
    m_y = y;
    putQuietly(m_xBar, x);
    putQuietly(m_yBar, y);
    // The single bar shows the lead axis: were it to show a follower held
    // above the lead, a step down would land where it started.
    putQuietly(m_linkedBar, m_yFollows ? x : y);
}

void OakDpiSlider::setFollowerSpan(bool yFollows, int low, int high)
{
    m_hasSpan = true;
    m_yFollows = yFollows;
    m_spanLow = low;
    m_spanHigh = std::max(low, high);
    if (yFollows)
        m_y = held(true, m_y);
    else
        m_x = held(false, m_x);
    setLevels(m_x, m_y);
}

void OakDpiSlider::setBarToolTips(const QString& linked, const QString& x, const QString& y)
{
    m_linkedBar->setToolTip(linked);
    m_xBar->setToolTip(x);
    m_yBar->setToolTip(y);
}

void OakDpiSlider::setBarNames(const QString& linked, const QString& x, const QString& y)
{
    m_linkedBar->setAccessibleName(linked);
    m_xBar->setAccessibleName(x);
    m_yBar->setAccessibleName(y);
}

int OakDpiSlider::held(bool yAxis, int level) const
{
    if (!m_hasSpan || yAxis != m_yFollows)
        return level;
    return std::clamp(level, m_spanLow, m_spanHigh);
}

void OakDpiSlider::onLinkedMoved(int level)
{
    m_x = m_y = level;
    Q_EMIT valueChanged(m_x, m_y);
}

void OakDpiSlider::onXMoved(int level)
{
    m_x = held(false, level);
    if (m_x != level)
        putQuietly(m_xBar, m_x);
    Q_EMIT valueChanged(m_x, m_y);
}

void OakDpiSlider::onYMoved(int level)
{
    m_y = held(true, level);
    if (m_y != level)
        putQuietly(m_yBar, m_y);
    Q_EMIT valueChanged(m_x, m_y);
}

void OakDpiSlider::showBars()
{
    m_linkedBar->setVisible(m_linked);
    m_xBar->setVisible(!m_linked);
    m_yBar->setVisible(!m_linked);
}

void OakDpiSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_linkedBar->setGeometry(0, h / 4, w, h / 2);
    m_xBar->setGeometry(0, 0, w, h / 2);
    m_yBar->setGeometry(0, h / 2, w, h - h / 2);
}
