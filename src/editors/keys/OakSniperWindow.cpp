// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/keys/OakSniperWindow.h"

#include "editors/PageEnvironment.h"
#include "protocol/DpiRule.h"
#include "widgets/KitStyle.h"

#include <QLabel>
#include <QSlider>

namespace {

// A sensor without a sniper rule: its DPI slider's range when the DPI rule
// knows it, else a small safe range.
constexpr int kFallbackMin = 1;
constexpr int kFallbackMax = 10;

} // namespace

OakSniperWindow::OakSniperWindow(const PageEnvironment& environment, QWidget* parent)
    : KeyDialogFrame(environment, parent, tr("Sniper Setting"), QSize(400, 258)),
      m_sensorType(environment.model().sensorType), m_levels(SniperLevels::forSensor(m_sensorType))
{
    auto* caption = new QLabel(tr("Sniper DPI"), this);
    caption->setObjectName(QStringLiteral("sniperCaption"));
    caption->setGeometry(scaled(24), scaled(64), scaled(352), scaled(28));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sniperSlider"));
    m_slider->setAccessibleName(tr("Sniper DPI"));
    m_slider->setGeometry(scaled(24), scaled(112), scaled(260), scaled(28));
    // The part after the handle is drawn as the groove, not as a plain box.
    m_slider->setStyleSheet(
        QStringLiteral("QSlider { background: transparent; } QSlider::add-page:horizontal { background: %1; "
                       "border-radius: %2px; }")
            .arg(KitStyle::kHairline.name())
            .arg(scaled(2)));
    m_dpi = new QLabel(this);
    m_dpi->setObjectName(QStringLiteral("sniperDpi"));
    m_dpi->setGeometry(scaled(296), scaled(112), scaled(80), scaled(28));
    m_dpi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (m_levels.known) {
        m_slider->setRange(m_levels.minLevel, m_levels.maxLevel);
    } else {
        const DpiLevelRange range = DpiRule::levelRange(m_sensorType);
        if (range.known && range.minLevel < range.maxLevel)
            m_slider->setRange(range.minLevel, range.maxLevel);
        else
            m_slider->setRange(kFallbackMin, kFallbackMax);
    }
    connect(m_slider, &QSlider::valueChanged, this, &OakSniperWindow::showDpi);
    preset(0);
}

void OakSniperWindow::preset(int level)
{
    const int corrected = m_levels.corrected(level);
    m_slider->setValue(corrected);
    showDpi(m_slider->value());
    Q_EMIT SetSniperValue(m_slider->value());
}

int OakSniperWindow::level() const
{
    return m_slider->value();
}

QString OakSniperWindow::shownDpi() const
{
    return m_dpi->text();
}

void OakSniperWindow::showDpi(int level)
{
    m_dpi->setText(QString::asprintf("%d", DpiRule::levelToDpi(m_sensorType, level)));
}
