// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusHeader.h"

#include "app/WindowControls.h"
#include "storage/AppConfig.h"
#include "storage/AppPaths.h"
#include "widgets/OakBatteryBar.h"
#include "widgets/OakLabel.h"
#include "widgets/SkinImage.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QUrl>

namespace {

const QRect kFrame(24, 576, 80, 32);
const QRect kBar(28, 580, 66, 24);

QLabel* label(QWidget* parent, const char* objectName)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(objectName));
    return l;
}

} // namespace

StatusHeader::StatusHeader(const UiSettings& ui, const AppPaths& paths, AppConfig& config, QWidget* window)
    : QObject(window), m_ui(ui), m_paths(paths), m_config(config), m_window(window)
{
    m_logo = label(window, "logo");
    m_modelName = label(window, "modelName");
    m_firmware = WindowControls::textButton(window, "firmwareButton", ui);
    connect(m_firmware, &QPushButton::clicked, this, &StatusHeader::firmwareRequested);
    m_battery = new OakBatteryBar(window);
    m_battery->setObjectName(QStringLiteral("batteryBar"));
    m_chargingIcon = label(window, "chargingIcon");
    m_receiverIcon = label(window, "receiverIcon");
    m_modeCaption = label(window, "modeCaption");
    m_modeText = label(window, "modeText");
    m_versionCaption = label(window, "versionCaption");
    m_version = new OakLabel(window);
    m_version->setObjectName(QStringLiteral("versionLabel"));
    connect(m_version, &OakLabel::clicked, this, &StatusHeader::openVersionLink);
    for (QLabel* secondary : {m_modeCaption, m_versionCaption})
        secondary->setStyleSheet(QStringLiteral("color: #9AA0A8;"));
    place();
    retranslate();
    showStoredBattery();
}

// Until the mouse answers, the bar shows the value stored last time; nothing
// is written, so a start without an answer keeps the stored value.
void StatusHeader::showStoredBattery()
{
    m_lastBattery = m_config.battery();
    if (m_lastBattery <= 0) {
        showBattery(0, 0, false);
        return;
    }
    m_batteryOff = false;
    m_battery->setTextVisible(true);
    m_battery->setFormat(QStringLiteral("%p%"));
    m_battery->setLook(OakBatteryBar::Look::On, m_ui.themeColor(), m_ui.scale().factor);
    m_battery->setValue(qMin(m_lastBattery, 100));
}

void StatusHeader::setIcon(QLabel* label, const char* file, int designSize)
{
    const qreal ratio = label->devicePixelRatioF();
    const int side = m_ui.scaled(designSize);
    QPixmap image = SkinImage::pixmap(m_paths.skinFile(QLatin1String(file)), QSize(side, side) * ratio,
                                      m_ui.themeColor());
    image.setDevicePixelRatio(ratio);
    label->setPixmap(image);
}

void StatusHeader::place()
{
    using WindowControls::place;
    place(m_logo, m_ui, QRect(24, 16, 40, 40));
    place(m_modelName, m_ui, QRect(72, 12, 192, 24));
    place(m_firmware, m_ui, QRect(72, 38, 168, 24));
    place(m_battery, m_ui, kBar);
    place(m_chargingIcon, m_ui, QRect(112, 580, 24, 24));
    place(m_receiverIcon, m_ui, QRect(140, 580, 24, 24));
    place(m_modeCaption, m_ui, QRect(296, 580, 56, 24));
    place(m_modeText, m_ui, QRect(352, 580, 136, 24));
    place(m_versionCaption, m_ui, QRect(496, 580, 64, 24));
    place(m_version, m_ui, QRect(560, 580, 128, 24));
    setIcon(m_logo, "mouselogo.png", 40);
    setIcon(m_chargingIcon, "lightning.png", 24);
    setIcon(m_receiverIcon, "dongle.png", 24);
    m_battery->setLook(m_battery->look(), m_ui.themeColor(), m_ui.scale().factor);
}

void StatusHeader::retranslate()
{
    m_firmware->setText(tr("Firmware Update"));
    m_firmware->setAccessibleName(m_firmware->text());
    m_modeCaption->setText(tr("Mode"));
    m_versionCaption->setText(tr("Version"));
    m_battery->setAccessibleName(tr("Battery"));
    m_chargingIcon->setAccessibleName(tr("Charging"));
    m_receiverIcon->setAccessibleName(tr("Receiver connected"));
    m_logo->setAccessibleName(m_modelName->text());
    if (m_batteryOff)
        m_battery->setFormat(tr("MOUSE OFF"));
    showModeText();
}

void StatusHeader::setModel(const QString& modelName, const QString& version)
{
    m_modelName->setText(modelName);
    m_logo->setAccessibleName(modelName);
    m_version->setText(version);
    m_version->setToolTip(version);
    const QUrl url(version, QUrl::StrictMode);
    const bool link = url.isValid() && !url.scheme().isEmpty();
    m_version->setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_version->setFocusPolicy(link ? Qt::StrongFocus : Qt::NoFocus);
}

// Only a text that forms a whole URL is opened; a plain version number
// stays a label.
void StatusHeader::openVersionLink()
{
    const QUrl url(m_version->text().trimmed(), QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty())
        QDesktopServices::openUrl(url);
}

void StatusHeader::showBattery(quint8 iCharge, quint8 iLowByte, bool cableVendorPresent)
{
    const StatusDisplay::Battery battery = StatusDisplay::battery(iLowByte, cableVendorPresent);
    m_batteryOff = battery.off;
    if (battery.off) {
        m_battery->setFormat(tr("MOUSE OFF"));
        m_battery->setTextVisible(false);
        m_battery->setLook(OakBatteryBar::Look::Off, m_ui.themeColor(), m_ui.scale().factor);
        m_chargingIcon->hide();
        return;
    }
    m_battery->setTextVisible(true);
    m_battery->setFormat(battery.showPercent ? QStringLiteral("%p%") : QString());
    m_battery->setLook(OakBatteryBar::Look::On, m_ui.themeColor(), m_ui.scale().factor);
    m_charging = iCharge != 0;
    m_chargingIcon->setVisible(m_charging);
    if (battery.percent != m_lastBattery) {
        m_lastBattery = battery.percent;
        (void)m_config.setBattery(battery.percent);
    }
    m_battery->setValue(battery.barValue);
}

void StatusHeader::showConnection(bool cableVendorPresent, bool receiverVendorPresent)
{
    const StatusDisplay::Connection connection =
        StatusDisplay::connection(cableVendorPresent, receiverVendorPresent, m_charging);
    const bool frameChanged = connection.frame != m_connection.frame;
    m_connection = connection;
    m_chargingIcon->hide();
    m_receiverIcon->setVisible(m_connection.receiverIcon);
    m_battery->setVisible(m_connection.batteryBar);
    showModeText();
    // Only the frame is painted by the window; the rest repaint themselves.
    if (frameChanged)
        m_window->update();
}

void StatusHeader::showModeText()
{
    switch (m_connection.mode) {
    case StatusDisplay::CableOnly:
        m_modeText->setText(tr("Cable"));
        break;
    case StatusDisplay::CableAndReceiver:
        m_modeText->setText(tr("Receiver, charging"));
        break;
    case StatusDisplay::ReceiverOnly:
        m_modeText->setText(tr("Receiver"));
        break;
    case StatusDisplay::Nothing:
        m_modeText->setText(tr("Not connected"));
        break;
    }
}

void StatusHeader::paintFrame(QPainter& painter)
{
    const QRect target(m_ui.scaled(kFrame.x()), m_ui.scaled(kFrame.y()), m_ui.scaled(kFrame.width()),
                       m_ui.scaled(kFrame.height()));
    const qreal ratio = m_window->devicePixelRatioF();
    const QString file = m_paths.skinFile(QLatin1String(m_connection.frame ? "bat2.png" : "bat1.png"));
    const QPixmap frame = SkinImage::pixmap(file, target.size() * ratio, m_ui.themeColor());
    if (!frame.isNull())
        painter.drawPixmap(target, frame);
}
