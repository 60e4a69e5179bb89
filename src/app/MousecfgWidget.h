#pragma once

#include "QtCompat.h"
#include "app/BackgroundCache.h"
#include "storage/ProfileSet.h"
#include "widgets/OakMessageBox.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <memory>

struct AppContext;
class AppConfig;
class DeviceDiscovery;
class DeviceNotifier;
class LanguageSwitcher;
class OakPushButton;
class OakGetBatteryThread;
class QAction;
class QMenu;

// The one top-level window: frameless, shaped by its background, dragged by
// it, hidden to the tray and shown again from there.
class MousecfgWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MousecfgWidget(AppContext& context, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    // Number of supported mice found attached.
    int presentModelCount() const;
    bool deviceReady() const;
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }
    // The disconnect warning while it is up.
    OakMessageBox* disconnectWarning() const { return m_warning; }
    OakPushButton* mouseListButton() const { return m_mouseListButton; }
    OakPushButton* languageButton() const;
    // The working profile set and the state last saved or sent.
    const ProfileSet& profiles() const { return m_profiles; }
    const ProfileSet& savedProfiles() const { return m_savedProfiles; }
    bool isPolling() const;

public Q_SLOTS:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // Shows the window; activates it when a mouse is present, else warns.
    void slotWarning();
    // Full re-initialisation after a mouse has appeared.
    void slotWarnClose();
    // The user picked another model in the mouse list.
    void slot_show_mousename(QAction* action);
    void slotRefreshWriteStatus(quint8 iStatus);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, compat::NativeEventResult* result) override;

private:
    void loadImages();
    void applyScale();
    void registerDeviceNotifications();
    void initDevices();
    void buildControls();
    void loadProfiles();
    void readPointerSpeed();
    void buildPages();
    void writeDefaultProfile();
    void createTrayIcon();
    void addVirtualMouseMenu();
    void showDisconnectWarning();
    void refreshMouseListButton();
    void reinitialise();
    void reloadModelImages();
    void refreshPages();
    void refreshConnectionIndicator();
    void retranslate();
    void stopPolling();
    void startPolling();
    void closeDevices();

    QString currentProductName() const;
    QString skin(const char* name) const;

    AppContext& m_context;
    BackgroundCache m_backgrounds;
    QPixmap m_batteryImages[2];
    std::unique_ptr<AppConfig> m_config;
    DeviceDiscovery* m_discovery = nullptr;
    std::unique_ptr<DeviceNotifier> m_notifier;

    OakPushButton* m_closeButton = nullptr;
    OakPushButton* m_minimiseButton = nullptr;
    OakPushButton* m_mouseListButton = nullptr;
    LanguageSwitcher* m_languages = nullptr;
    ProfileSet m_profiles;
    ProfileSet m_savedProfiles;
    OakGetBatteryThread* m_poller = nullptr;
    QMenu* m_mouseListMenu = nullptr;
    QPointer<OakMessageBox> m_warning;

    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_loadConfigAction = nullptr;
    QAction* m_quitAction = nullptr;

    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_pressFramePos;
};
