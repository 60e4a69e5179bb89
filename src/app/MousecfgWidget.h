// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtCompat.h"
#include "app/BackgroundCache.h"
#include "app/WindowSetup.h"
#include "editors/PageEnvironment.h"
#include "storage/ModelDescription.h"

#include <QSystemTrayIcon>
#include <QWidget>
#include <memory>

class AppConfig;
class UserPrompts;
class WindowPrompts;
class CommitController;
class DeviceDiscovery;
class DeviceSession;
class DisconnectWarning;
class LanguageSwitcher;
class LightingPreview;
class OakPushButton;
class PageHost;
class ProfileBar;
class ProfileOperations;
class ProfileWorkspace;
class QAction;
class QMenu;
class QScreen;
class StatusHeader;
class StatusSync;
struct StatusChange;
class TabBar;
class TrayController;
class UnsavedChanges;

// The one top-level window: frameless, shaped by its background, dragged by
// it, hidden to the tray and shown again from there. Its parts (status
// header, profile column, tabs and pages, tray) each own their controls;
// the window routes the device session's reports to them. The profiles live
// in the profile workspace and the mouse behind the device session.
class MousecfgWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MousecfgWidget(WindowSetup& setup, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    // Number of supported mice found attached.
    int presentModelCount() const;
    // The tab shown, 0 to 3.
    int shownTab() const;
    QString trayToolTip() const;
    // The tray is there and every tab has its pages (some of it comes after
    // the first paint).
    bool isStartFinished() const;

public Q_SLOTS:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // Shows the window; activates it when a mouse is present, else warns.
    void slotWarning();
    // Full re-initialisation after a mouse has appeared.
    void slotWarnClose();
    // The user picked another model in the mouse list.
    void slot_show_mousename(QAction* action);

    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotEnableButtons(bool bEnable);
    // Shows a tab; the lighting tab falls back to the button tab on a model
    // without lighting.
    void showTab(int tab);
    // Makes slot the current one (with reload: read again from its file)
    // and shows it on every page.
    void changeSlot(int slot, bool reload);

Q_SIGNALS:
    void firmwareUpdateRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, compat::NativeEventResult* result) override;

private:
    // What a status report changed, shown: slot, stage and rate.
    void slotRefreshProfile(const StatusChange& change);
    void slotRefreshDPIStage(const StatusChange& change, int stage);
    void slotRefreshRate(const StatusChange& change, int rate);
    void applyScale(const QScreen* screen, bool centre);
    void followScreen();
    void registerDeviceNotifications();
    void finishStart();
    void buildPagesInSlices();
    void keepFilesBehind();
    void initDevices();
    void buildControls();
    void loadProfiles();
    void readPointerSpeed();
    void buildPages();
    void buildProfileBar();
    void writeDefaultProfile();
    void createTray();
    void refreshMouseListButton();
    void reinitialise();
    void readModelDescription();
    void refreshPages();
    void refreshConnectionIndicator();
    void retranslate();
    void languageChanged();
    void applyFont();
    void placeControls();
    void orderFocus();
    void updateTray();
    void sendToDisplay(const QString& text);

    QString currentProductName() const;
    QString skin(const char* name) const;

    WindowSetup& m_setup;
    UiSettings& m_ui;
    BackgroundCache m_backgrounds;
    std::unique_ptr<AppConfig> m_config;
    ModelDescription m_model;
    std::unique_ptr<WindowPrompts> m_ownPrompts;
    UserPrompts& m_prompts;
    PageEnvironment m_pageEnvironment;
    DeviceSession* m_session = nullptr;
    ProfileWorkspace* m_workspace = nullptr;
    std::unique_ptr<StatusSync> m_statusSync;
    DeviceDiscovery* m_discovery = nullptr;
    PageHost* m_pages = nullptr;
    CommitController* m_commit = nullptr;
    ProfileOperations* m_operations = nullptr;
    UnsavedChanges* m_unsaved = nullptr;

    StatusHeader* m_header = nullptr;
    TabBar* m_tabs = nullptr;
    LightingPreview* m_lightingPreview = nullptr;
    ProfileBar* m_profileBar = nullptr;
    TrayController* m_tray = nullptr;
    DisconnectWarning* m_warning = nullptr;
    OakPushButton* m_closeButton = nullptr;
    OakPushButton* m_minimiseButton = nullptr;
    OakPushButton* m_mouseListButton = nullptr;
    LanguageSwitcher* m_languages = nullptr;
    QMenu* m_mouseListMenu = nullptr;
};
