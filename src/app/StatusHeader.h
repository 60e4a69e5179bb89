// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/StatusDisplay.h"

#include <QObject>
#include <QPixmap>
#include <QString>

class AppConfig;
class AppPaths;
class OakBatteryBar;
class OakLabel;
class OakPushButton;
class QLabel;
class QPainter;
class UiSettings;
class QWidget;

// What the window shows of the mouse: logo and model name, the firmware
// button, the battery bar in its frame, the charging and receiver icons, the
// connection mode and the model's version (a link when it is a URL).
class StatusHeader : public QObject
{
    Q_OBJECT
public:
    StatusHeader(const UiSettings& ui, const AppPaths& paths, AppConfig& config, QWidget* window);

    void place();
    void retranslate();
    void setModel(const QString& modelName, const QString& version);

    // A battery report; the cable's vendor interface present means the mouse
    // is on the cable.
    void showBattery(quint8 iCharge, quint8 iLowByte, bool cableVendorPresent);
    // The connection indicator from the two vendor interfaces' presence.
    void showConnection(bool cableVendorPresent, bool receiverVendorPresent);
    // Draws the battery frame of the current mode (the window's paint).
    void paintFrame(QPainter& painter);

    StatusDisplay::ConnectionMode mode() const { return m_connection.mode; }
    bool charging() const { return m_charging; }
    // The last percentage shown; -1 while the mouse does not answer.
    int batteryPercent() const { return m_batteryOff ? -1 : m_lastBattery; }
    OakPushButton* firmwareButton() const { return m_firmware; }

Q_SIGNALS:
    void firmwareRequested();

private:
    void openVersionLink();
    void setIcon(QLabel* label, const char* file, int designSize);
    void showModeText();
    void showStoredBattery();

    const UiSettings& m_ui;
    const AppPaths& m_paths;
    AppConfig& m_config;
    QWidget* m_window;

    bool m_charging = false;
    bool m_batteryOff = true;
    int m_lastBattery = 0;
    StatusDisplay::Connection m_connection;

    QLabel* m_logo = nullptr;
    QLabel* m_modelName = nullptr;
    OakPushButton* m_firmware = nullptr;
    OakBatteryBar* m_battery = nullptr;
    QLabel* m_chargingIcon = nullptr;
    QLabel* m_receiverIcon = nullptr;
    QLabel* m_modeCaption = nullptr;
    QLabel* m_modeText = nullptr;
    QLabel* m_versionCaption = nullptr;
    OakLabel* m_version = nullptr;
};
