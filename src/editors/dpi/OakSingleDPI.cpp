// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/dpi/OakSingleDPI.h"

#include "editors/PageEnvironment.h"
#include "editors/dpi/OakDpiSlider.h"
#include "editors/dpi/OakStageSwitch.h"
#include "protocol/DpiEncoding.h"
#include "widgets/KitStyle.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

OakSingleDPI::OakSingleDPI(quint8 index, const PageEnvironment& environment, QWidget* parent)
    : QWidget(parent), m_environment(environment), m_index(index), m_radio(new QRadioButton(this)),
      m_enableBox(new OakStageSwitch(environment.skinFile(QStringLiteral("DPI-ON.png")),
                                     environment.skinFile(QStringLiteral("DPI-OFF.png")), this)),
      m_linkBox(new QCheckBox(this)), m_slider(new OakDpiSlider(this)),
      m_xLabel(makeLabel(this, "xLabel", Qt::AlignLeft)), m_yLabel(makeLabel(this, "yLabel", Qt::AlignLeft)),
      m_dpiLabel(makeLabel(this, "dpiLabel", Qt::AlignLeft)),
      m_minLabel(makeLabel(this, "minLabel", Qt::AlignRight)),
      m_maxLabel(makeLabel(this, "maxLabel", Qt::AlignLeft))
{
    m_radio->setObjectName(QStringLiteral("activeRadio"));
    m_enableBox->setObjectName(QStringLiteral("enableBox"));
    m_linkBox->setObjectName(QStringLiteral("linkBox"));
    m_slider->setObjectName(QStringLiteral("levelSlider"));
    for (QLabel* end : {m_minLabel, m_maxLabel})
        end->setStyleSheet(QStringLiteral("color: %1").arg(KitStyle::kSecondaryText.name()));
    connect(m_slider, &OakDpiSlider::valueChanged, this, &OakSingleDPI::onSliderChanged);
    // Both boxes report through onStateChanged, which tells them apart by sender.
    for (QAbstractButton* box : std::initializer_list<QAbstractButton*>{m_linkBox, m_enableBox})
        connect(box, &QAbstractButton::toggled, this,
                [this](bool on) { onStateChanged(on ? Qt::Checked : Qt::Unchecked); });
    retranslate();
    setLevels(0, 0);
    setLink(0);
}

void OakSingleDPI::setSensorType(int sensorType, const DpiLevelRange& levels, int sensorLimitFlag)
{
    m_sensorType = sensorType;
    m_sensorLimitFlag = sensorLimitFlag;
    m_levelsOfSensor = levels;
    if (levels.known) {
        m_slider->setRange(levels.minLevel, levels.maxLevel);
        m_minLabel->setText(QString::number(levels.minDpi));
        m_maxLabel->setText(QString::number(levels.maxDpi));
        m_linkBox->setVisible(levels.linkShown);
    }
    showLevels();
    rescale(m_factor);
}

void OakSingleDPI::setLink(quint8 link)
{
    m_link = link;
    const QSignalBlocker blocker(m_linkBox);
    m_linkBox->setChecked(link == 1);
    m_slider->setLinked(link == 1);
}

void OakSingleDPI::setEnable(quint8 used)
{
    m_used = used;
    const QSignalBlocker blocker(m_enableBox);
    m_enableBox->setChecked(used == 1);
}

// Stored levels are shown as the mouse will get them: within the sensor's
// range and with both axes in one range code (the stored stage is brought
// there the same way before it is sent).
void OakSingleDPI::setLevels(int x, int y)
{
    if (m_levelsOfSensor.known) {
        x = std::clamp(x, m_levelsOfSensor.minLevel, m_levelsOfSensor.maxLevel);
        y = std::clamp(y, m_levelsOfSensor.minLevel, m_levelsOfSensor.maxLevel);
    }
    m_x = x;
    m_y = y;
    m_slider->setLevels(x, y);
    keepAxesInOneRange();
    showLevels();
}

// A row's texts are styled one sheet each, and every new sheet re-polishes
// them: only a row whose look changes is styled again.
void OakSingleDPI::setActive(bool active, const QColor& accent)
{
    if (m_styled && active == m_active && accent == m_accent)
        return;
    m_styled = true;
    m_active = active;
    m_accent = accent;
    m_enableBox->setAccent(accent);
    colourTexts();
    update();
}

void OakSingleDPI::onSliderChanged(int x, int y)
{
    m_x = x;
    m_y = y;
    keepAxesInOneRange();
    qDebug("ix = %d", m_x);
    showLevels();
    Q_EMIT DPISignal(m_x, m_y, m_index);
}

// Both axes travel under the lead axis's range code: the other axis is held
// to the levels of that range, so what the row shows is what the mouse reads.
void OakSingleDPI::keepAxesInOneRange()
{
    if (!m_levelsOfSensor.known)
        return;
    const bool yLeads = DpiEncoding::yLeads(m_sensorType);
    const QPair<int, int> span =
        DpiEncoding::pairedSpan(m_sensorType, yLeads ? m_y : m_x, m_levelsOfSensor.minLevel,
                                m_levelsOfSensor.maxLevel, m_sensorLimitFlag);
    m_slider->setFollowerSpan(!yLeads, span.first, span.second);
    m_x = m_slider->xLevel();
    m_y = m_slider->yLevel();
}

void OakSingleDPI::onStateChanged(int state)
{
    const quint8 flag = state != Qt::Unchecked ? 1 : 0;
    if (sender() == m_linkBox) {
        m_link = flag;
        m_slider->setLinked(flag == 1);
        Q_EMIT LinkSignal(flag, m_index);
    } else {
        m_used = flag;
        Q_EMIT EnableSignal(flag, m_index);
    }
}

void OakSingleDPI::showLevels()
{
    const int xDpi = dpiOf(m_x);
    const int yDpi = dpiOf(m_y);
    m_xLabel->setText(QStringLiteral("X:%1").arg(xDpi));
    m_yLabel->setText(QStringLiteral("Y:%1").arg(yDpi));
    m_dpiLabel->setText(QStringLiteral("DPI : %1").arg(yDpi));
    const QString stage = tr("Stage %1").arg(m_index + 1);
    const QString tip = xDpi == yDpi ? tr("%1: %2 DPI").arg(stage).arg(yDpi)
                                     : tr("%1: X %2 DPI, Y %3 DPI").arg(stage).arg(xDpi).arg(yDpi);
    setToolTip(tip);
    m_slider->setBarToolTips(tip, tr("X: %1 DPI").arg(xDpi), tr("Y: %1 DPI").arg(yDpi));
}

void OakSingleDPI::colourTexts()
{
    const QColor text = m_active && m_accent.isValid() ? m_accent : KitStyle::kText;
    const QString sheet = QStringLiteral("color: %1").arg(text.name());
    for (QWidget* w : std::initializer_list<QWidget*>{m_xLabel, m_yLabel, m_dpiLabel, m_radio, m_linkBox})
        w->setStyleSheet(sheet);
}

void OakSingleDPI::retranslate()
{
    m_linkBox->setText(tr("Link XY"));
    const QString stage = tr("Stage %1").arg(m_index + 1);
    m_radio->setAccessibleName(tr("Make %1 the active stage").arg(stage));
    m_enableBox->setAccessibleName(tr("Enable %1").arg(stage));
    m_linkBox->setAccessibleName(tr("Link XY of %1").arg(stage));
    m_slider->setBarNames(tr("%1 level").arg(stage), tr("%1 X level").arg(stage),
                          tr("%1 Y level").arg(stage));
    showLevels();
}

void OakSingleDPI::rescale(double factor)
{
    m_factor = factor;
    auto s = [factor](double v) { return int(v * factor); };
    const double h = height() / factor; // design height; rows shrink when eight are shown
    const double mid = h / 2;
    const double line = std::min(20.0, h / 2 - 2);
    QFont font = m_environment.ui().font();
    font.setPixelSize(std::max(1, s(12)));
    setFont(font);
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->setFont(font);
    m_radio->setGeometry(s(8), s(mid - 9), s(20), s(18));
    m_enableBox->setGeometry(s(32), s(mid - 12), s(24), s(24));
    if (m_linkBox->isVisibleTo(this)) {
        m_dpiLabel->setGeometry(s(64), s(mid - line - 1), s(96), s(line));
        m_linkBox->setGeometry(s(64), s(mid + 1), s(96), s(line));
    } else {
        m_dpiLabel->setGeometry(s(64), s(mid - line / 2), s(96), s(line));
    }
    m_minLabel->setGeometry(s(160), s(mid - line / 2), s(40), s(line));
    m_slider->setGeometry(s(206), s(mid - line - 1), s(124), s(2 * line + 2));
    m_maxLabel->setGeometry(s(334), s(mid - line / 2), s(44), s(line));
    m_xLabel->setGeometry(s(380), s(mid - line - 1), s(58), s(line));
    m_yLabel->setGeometry(s(380), s(mid + 1), s(58), s(line));
}

void OakSingleDPI::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor edge = m_active && m_accent.isValid() ? m_accent : KitStyle::kHairline;
    painter.setPen(QPen(edge, 1));
    painter.setBrush(KitStyle::kPanel);
    const double r = 6 * m_factor;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
}
