#include "app/MousecfgWidget.h"

#include "QtCompat.h"
#include "app/AppContext.h"
#include "app/DeviceDiscovery.h"
#include "app/LanguageSwitcher.h"
#include "app/VirtualDeviceNotifier.h"
#include "device/OakGetBatteryThread.h"
#include "hid/AccessDiagnosis.h"
#include "hid/DeviceLink.h"
#include "platform/DeviceNotifier.h"
#include "platform/PointerSpeed.h"
#include "sim/VirtualMouse.h"
#include "storage/AppConfig.h"
#include "storage/ProfileSetStore.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {
const QSize kDesignSize(999, 640);
}

MousecfgWidget::MousecfgWidget(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context),
      m_backgrounds(context.paths.skinFile(QStringLiteral("cfgMainback.png"))),
      m_config(std::make_unique<AppConfig>(context.paths))
{
    if (!m_context.link)
        m_context.useSystemDevices();
    setObjectName(QStringLiteral("MousecfgWidget"));
    setWindowTitle(tr("MousecfgWidget"));
    loadImages();
    applyScale();
    // Frameless before registering: changing the flags afterwards would
    // re-create the native window that the registration names.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    m_discovery = new DeviceDiscovery(*m_context.link, *m_config, m_context, this);
    registerDeviceNotifications();
    initDevices();
    buildControls();
    startPolling();
    loadProfiles();
    readPointerSpeed();
    buildPages();
    writeDefaultProfile();
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    createTrayIcon();
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

MousecfgWidget::~MousecfgWidget()
{
    // The poller must be off the device before its handles go.
    stopPolling();
    closeDevices();
    m_context.link->shutdown();
    if (m_trayIcon)
        m_trayIcon->hide();
}

int MousecfgWidget::presentModelCount() const
{
    return m_discovery->presentModelCount();
}

OakPushButton* MousecfgWidget::languageButton() const
{
    return m_languages->button();
}

bool MousecfgWidget::deviceReady() const
{
    return m_discovery->deviceReady();
}

QString MousecfgWidget::skin(const char* name) const
{
    return m_context.paths.skinFile(QLatin1String(name));
}

QString MousecfgWidget::currentProductName() const
{
    return m_config->currentProductName();
}

void MousecfgWidget::loadImages()
{
    m_batteryImages[0] = QPixmap(skin("bat1.png"));
    m_batteryImages[1] = QPixmap(skin("bat2.png"));
}

void MousecfgWidget::applyScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_context.scale = UiScale::forLogicalDpi(screen ? screen->logicalDotsPerInch() : 96.0);
    setBaseSize(kDesignSize);
    setMinimumSize(kDesignSize);
    const QSize size(m_context.scale.scaled(kDesignSize.width()),
                     m_context.scale.scaled(kDesignSize.height()));
    resize(size);
    if (screen) {
        const QRect frame = frameGeometry();
        move(screen->geometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    // Without its image the window keeps its rectangle: a mask made from a
    // null pixmap would be empty and hide the whole window.
    const QPixmap& background = m_backgrounds.forLevel(m_context.scale.level, size);
    if (background.isNull())
        clearMask();
    else
        setMask(background.mask());
}

void MousecfgWidget::registerDeviceNotifications()
{
    if (m_context.virtualMouse)
        m_notifier = std::make_unique<VirtualDeviceNotifier>(*m_context.virtualMouse);
    else
        m_notifier = createDeviceNotifier();
    connect(m_notifier.get(), &DeviceNotifier::deviceChanged, m_discovery, &DeviceDiscovery::handleChange);
    m_notifier->start(quintptr(winId()));
}

bool MousecfgWidget::nativeEvent(const QByteArray& eventType, void* message,
                                 compat::NativeEventResult* result)
{
    if (m_notifier)
        m_notifier->handleNativeEvent(eventType, message);
    return QWidget::nativeEvent(eventType, message, result);
}

void MousecfgWidget::initDevices()
{
    const UiScale& s = m_context.scale;
    m_mouseListButton = new OakPushButton(this);
    m_mouseListButton->setGeometry(s.scaled(670), s.scaled(33), s.scaled(100), s.scaled(20));
    m_mouseListButton->setThemeColor(m_config->themeColor());
    m_mouseListButton->hide();
    connect(m_discovery, &DeviceDiscovery::mouseListChanged, this, &MousecfgWidget::refreshMouseListButton);
    connect(m_discovery, &DeviceDiscovery::warnCloseDue, this, &MousecfgWidget::slotWarnClose);
    connect(m_discovery, &DeviceDiscovery::warningDue, this, &MousecfgWidget::slotWarning);
    connect(m_discovery, &DeviceDiscovery::reinitialiseDue, this, &MousecfgWidget::reinitialise);
    connect(m_discovery, &DeviceDiscovery::connectionChanged, this,
            &MousecfgWidget::refreshConnectionIndicator);
    m_discovery->setPollingControl([this] { stopPolling(); }, [this] { startPolling(); });
    m_discovery->initialise();
    m_discovery->openCurrentModel();
}

// The mouse list shows only when several supported models are attached.
void MousecfgWidget::refreshMouseListButton()
{
    const QStringList names = m_discovery->presentModels();
    delete m_mouseListMenu;
    m_mouseListMenu = nullptr;
    if (names.size() < 2) {
        m_mouseListButton->hide();
        return;
    }
    m_mouseListMenu = new QMenu(this);
    for (const QString& name : names)
        m_mouseListMenu->addAction(name);
    m_mouseListMenu->setFixedWidth(m_context.scale.scaled(150));
    connect(m_mouseListMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
    m_mouseListButton->setMenu(m_mouseListMenu);
    m_mouseListButton->setText(m_discovery->currentModel());
    m_mouseListButton->show();
}

void MousecfgWidget::retranslate()
{
    setWindowTitle(tr("MousecfgWidget"));
    if (m_loadConfigAction) {
        m_loadConfigAction->setText(tr("&Load Config"));
        m_quitAction->setText(tr("&Quit"));
    }
}

void MousecfgWidget::buildControls()
{
    const UiScale& s = m_context.scale;
    m_closeButton = new OakPushButton(this);
    m_closeButton->setImages(skin("close-1.png"), skin("close-2.png"), skin("close-3.png"));
    m_closeButton->setGeometry(s.scaled(960), s.scaled(18), s.scaled(24), s.scaled(24));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);

    m_minimiseButton = new OakPushButton(this);
    m_minimiseButton->setImages(skin("min-1.png"), skin("min-2.png"), skin("min-3.png"));
    m_minimiseButton->setGeometry(s.scaled(930), s.scaled(18), s.scaled(24), s.scaled(24));
    connect(m_minimiseButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    m_languages = new LanguageSwitcher(m_context, this);
    connect(m_languages, &LanguageSwitcher::languageChanged, this, &MousecfgWidget::retranslate);
    m_languages->installCurrent();
}

void MousecfgWidget::loadProfiles()
{
    ProfileSetStore(m_context.paths, currentProductName()).loadSet(m_profiles);
    m_savedProfiles = m_profiles;
}

// The current profile shows the pointer speed the system uses now.
void MousecfgWidget::readPointerSpeed()
{
    if (!m_context.pointerSpeed)
        return;
    if (const std::optional<int> speed = m_context.pointerSpeed->readPointerSpeed())
        m_profiles.current().mousespeed = quint8(*speed);
}

void MousecfgWidget::buildPages() {}

void MousecfgWidget::writeDefaultProfile()
{
    const StorageResult written =
        ProfileSetStore(m_context.paths, currentProductName()).writeDefaultProfile();
    if (!written.isOk())
        qWarning().noquote() << "cannot write the default profile:" << written.errorMessage();
}

// Returns once the poller has left the device, so that handles may be
// closed or a download started right after.
void MousecfgWidget::stopPolling()
{
    if (!m_poller)
        return;
    m_poller->stop();
    delete m_poller;
    m_poller = nullptr;
}

void MousecfgWidget::startPolling()
{
    if (isPolling())
        return;
    stopPolling();
    m_poller = new OakGetBatteryThread(*m_context.link);
    connect(m_poller, &OakGetBatteryThread::RefreshWriteStatus, this,
            &MousecfgWidget::slotRefreshWriteStatus);
    m_poller->start();
}

bool MousecfgWidget::isPolling() const
{
    return m_poller && m_poller->isRunning();
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        m_config->setDiff(1);
}

void MousecfgWidget::closeDevices()
{
    m_context.link->closeAll();
}

void MousecfgWidget::reloadModelImages() {}

void MousecfgWidget::refreshPages() {}

void MousecfgWidget::refreshConnectionIndicator() {}

// The part of a re-initialisation that concerns what the window shows.
void MousecfgWidget::reinitialise()
{
    reloadModelImages();
    loadProfiles();
    writeDefaultProfile();
    refreshPages();
}

void MousecfgWidget::slotWarnClose()
{
    m_discovery->openCurrentModel();
    startPolling();
    reinitialise();
    m_discovery->setDeviceReady(true);
}

void MousecfgWidget::slot_show_mousename(QAction* action)
{
    stopPolling();
    closeDevices();
    m_mouseListButton->setText(action->text());
    m_discovery->selectModel(action->text());
    reinitialise();
    startPolling();
}

void MousecfgWidget::createTrayIcon()
{
    m_loadConfigAction = new QAction(tr("&Load Config"), this);
    connect(m_loadConfigAction, &QAction::triggered, this, &MousecfgWidget::slotWarning);
    m_quitAction = new QAction(tr("&Quit"), this);
    connect(m_quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);

    m_trayMenu = new QMenu(this);
    m_trayMenu->addAction(m_loadConfigAction);
    m_trayMenu->addAction(m_quitAction);
    if (m_context.virtualMouse)
        addVirtualMouseMenu();

    const QIcon icon(skin("icon.ico"));
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);
    setWindowIcon(icon);
    m_trayIcon->setIcon(icon);
    m_trayIcon->setToolTip(currentProductName());
    m_trayIcon->show();
}

// On the virtual mouse, the tray menu plugs and unplugs it and presses its
// DPI button, so that every device path can be tried by hand.
void MousecfgWidget::addVirtualMouseMenu()
{
    VirtualMouse& mouse = *m_context.virtualMouse;
    QMenu* menu = m_trayMenu->addMenu(tr("Virtual mouse"));
    const auto addPlugAction = [&](const QString& text, VirtualIdentity identity) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(mouse.isPlugged(identity));
        connect(action, &QAction::toggled, this, [&mouse, identity](bool plugged) {
            if (plugged)
                mouse.plug(identity);
            else
                mouse.unplug(identity);
        });
    };
    addPlugAction(tr("Receiver plugged in"), VirtualIdentity::Receiver);
    addPlugAction(tr("Cable plugged in"), VirtualIdentity::Cable);
    connect(menu->addAction(tr("Press the DPI button")), &QAction::triggered, this,
            [&mouse] { mouse.pressDpiButton(); });
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isHidden())
        slotWarning();
    else if (!m_context.warningOpen)
        hide();
}

void MousecfgWidget::slotWarning()
{
    show();
    if (presentModelCount() > 0 && m_context.link->deniedPaths().isEmpty()) {
        // A mouse that came back before the warning was due needs no warning;
        // the flag would otherwise stay set and keep the window from the tray.
        m_context.warningOpen = false;
        activateWindow();
        raise();
        return;
    }
    showDisconnectWarning();
}

// The warning closes by itself once a mouse has come back and the window
// has re-initialised. It is modal but does not block: the routine that
// notices the mouse's return must keep running meanwhile.
void MousecfgWidget::showDisconnectWarning()
{
    m_context.warningOpen = true;
    if (m_warning)
        return;
    // A mouse that is plugged in but may not be opened by this user is told
    // apart from an absent one: the text says how to fix it.
    const QString accessProblem = AccessDiagnosis::message(m_context.link->deniedPaths());
    m_warning = new OakMessageBox(this, OakMessageBox::TellWithReceiver, tr("Warning"),
                                  accessProblem.isEmpty() ? tr("Dongle Disconnect!") : accessProblem,
                                  m_context.scale.factor, m_config->themeColor(), skin("dongle2.png"));
    m_warning->setAttribute(Qt::WA_DeleteOnClose);
    if (accessProblem.isEmpty())
        m_warning->watchForPlugIn([this] { return m_discovery->deviceReady(); });
    // Any way out of the box (Escape included) ends the warning; without a
    // mouse the window goes back to the tray.
    connect(m_warning, &QDialog::finished, this, [this] {
        m_context.warningOpen = false;
        if (presentModelCount() == 0)
            hide();
    });
    m_warning->open();
}

void MousecfgWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_pressPos = compat::globalPos(event);
    m_pressFramePos = frameGeometry().topLeft();
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const QPoint delta = compat::globalPos(event) - m_pressPos;
    if (delta.manhattanLength() > 4)
        move(m_pressFramePos + delta);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void MousecfgWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& background = m_backgrounds.forLevel(m_context.scale.level, size());
    if (!background.isNull()) {
        painter.drawPixmap(0, 0, background);
        return;
    }
    // No background image: paint a plain one so the window stays usable.
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), m_context.scale.scaled(18), m_context.scale.scaled(18));
    painter.fillPath(shape, QColor(28, 30, 34));
}
