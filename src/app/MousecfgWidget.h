#pragma once

#include "app/BackgroundCache.h"

#include <QPixmap>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QWidget>

struct AppContext;
class OakPushButton;
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
    int presentModelCount() const { return m_presentModels; }
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }

public Q_SLOTS:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // Shows the window; activates it when a mouse is present, else warns.
    void slotWarning();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void loadImages();
    void applyScale();
    void registerDeviceNotifications();
    void initDevices();
    void initLanguage();
    void buildControls();
    void loadProfiles();
    void startPolling();
    void buildPages();
    void writeDefaultProfile();
    void createTrayIcon();
    void showDisconnectWarning();
    void stopPolling();
    void closeDevices();

    QString currentProductName() const;
    QString skin(const char* name) const;

    AppContext& m_context;
    BackgroundCache m_backgrounds;
    QPixmap m_batteryImages[2];
    int m_presentModels = 0;

    OakPushButton* m_closeButton = nullptr;
    OakPushButton* m_minimiseButton = nullptr;

    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_loadConfigAction = nullptr;
    QAction* m_quitAction = nullptr;

    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_pressFramePos;
};
