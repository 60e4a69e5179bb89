#pragma once

#include "QtCompat.h"
#include "app/BackgroundCache.h"
#include "app/WindowSetup.h"
#include "editors/PageEnvironment.h"
#include "storage/ModelDescription.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <memory>

class AppConfig;
class CommitController;
class DeviceDiscovery;
class DeviceSession;
class LanguageSwitcher;
class OakMessageBox;
class OakPushButton;
class PageHost;
class ProfileWorkspace;
class QAction;
class QMenu;

// The one top-level window: frameless, shaped by its background, dragged by
// it, hidden to the tray and shown again from there. It hosts the pages and
// routes the device session's reports to them; the profiles live in the
// profile workspace and the mouse behind the device session.
class MousecfgWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MousecfgWidget(WindowSetup& setup, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    // Number of supported mice found attached.
    int presentModelCount() const;

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
    void showDisconnectWarning();
    void refreshMouseListButton();
    void reinitialise();
    void readModelDescription();
    void reloadModelImages();
    void refreshPages();
    void refreshConnectionIndicator();
    void retranslate();

    QString currentProductName() const;
    QString skin(const char* name) const;

    WindowSetup& m_setup;
    UiSettings& m_ui;
    BackgroundCache m_backgrounds;
    QPixmap m_batteryImages[2];
    std::unique_ptr<AppConfig> m_config;
    ModelDescription m_model;
    PageEnvironment m_pageEnvironment;
    DeviceSession* m_session = nullptr;
    ProfileWorkspace* m_workspace = nullptr;
    DeviceDiscovery* m_discovery = nullptr;
    PageHost* m_pages = nullptr;
    CommitController* m_commit = nullptr;

    OakPushButton* m_closeButton = nullptr;
    OakPushButton* m_minimiseButton = nullptr;
    OakPushButton* m_mouseListButton = nullptr;
    LanguageSwitcher* m_languages = nullptr;
    QMenu* m_mouseListMenu = nullptr;
    QPointer<OakMessageBox> m_warning;
    // Set while the disconnect warning is up or about to come up.
    bool m_warningOpen = false;

    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_loadConfigAction = nullptr;
    QAction* m_quitAction = nullptr;

    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_pressFramePos;
};
