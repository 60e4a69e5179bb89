#include "app/MousecfgWidget.h"

#include "QtCompat.h"
#include "app/CommitController.h"
#include "app/DeviceDiscovery.h"
#include "app/LanguageSwitcher.h"
#include "app/PageHost.h"
#include "device/DeviceSession.h"
#include "hid/AccessDiagnosis.h"
#include "hid/DeviceServices.h"
#include "platform/DeviceNotifier.h"
#include "platform/PlatformServices.h"
#include "storage/AppConfig.h"
#include "storage/ProfileSetStore.h"
#include "storage/ProfileWorkspace.h"
#include "widgets/KitStyle.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"
#include "widgets/UiSettings.h"

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

MousecfgWidget::MousecfgWidget(WindowSetup& setup, QWidget* parent)
    : QWidget(parent), m_setup(setup), m_ui(setup.ui),
      m_backgrounds(setup.paths.skinFile(QStringLiteral("cfgMainback.png"))),
      m_config(std::make_unique<AppConfig>(setup.paths)),
      m_pageEnvironment(setup.ui, m_model, setup.paths, setup.platform)
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    setWindowTitle(tr("MousecfgWidget"));
    m_ui.setThemeColor(m_config->themeColor());
    loadImages();
    applyScale();
    // Frameless before registering: changing the flags afterwards would
    // re-create the native window that the registration names.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    m_session = new DeviceSession(setup.devices, setup.paths, this);
    m_session->setObjectName(QStringLiteral("deviceSession"));
    m_workspace = new ProfileWorkspace(setup.paths, this);
    m_workspace->setObjectName(QStringLiteral("profileWorkspace"));
    m_discovery = new DeviceDiscovery(*m_session, *m_config, this);
    m_discovery->setObjectName(QStringLiteral("deviceDiscovery"));
    registerDeviceNotifications();
    initDevices();
    buildControls();
    loadProfiles();
    readPointerSpeed();
    buildPages();
    writeDefaultProfile();
    setStyleSheet(KitStyle::styleSheet(m_ui.themeColor(), m_ui.scale()));
    createTrayIcon();
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

// The session stops the poll before it closes the interfaces and releases
// the HID library; it goes with the window's children.
MousecfgWidget::~MousecfgWidget()
{
    if (m_trayIcon)
        m_trayIcon->hide();
}

int MousecfgWidget::presentModelCount() const
{
    return m_discovery->presentModelCount();
}

QString MousecfgWidget::skin(const char* name) const
{
    return m_setup.paths.skinFile(QLatin1String(name));
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
    m_ui.setScale(UiScale::forLogicalDpi(screen ? screen->logicalDotsPerInch() : 96.0));
    setBaseSize(kDesignSize);
    setMinimumSize(kDesignSize);
    const QSize size(m_ui.scaled(kDesignSize.width()), m_ui.scaled(kDesignSize.height()));
    resize(size);
    if (screen) {
        const QRect frame = frameGeometry();
        move(screen->geometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    // Without its image the window keeps its rectangle: a mask made from a
    // null pixmap would be empty and hide the whole window.
    const QPixmap& background = m_backgrounds.forLevel(m_ui.scale().level, size);
    if (background.isNull())
        clearMask();
    else
        setMask(background.mask());
}

void MousecfgWidget::registerDeviceNotifications()
{
    DeviceNotifier* notifier = m_setup.notifier.get();
    if (!notifier)
        return;
    connect(notifier, &DeviceNotifier::deviceChanged, m_discovery, &DeviceDiscovery::handleChange);
    notifier->start(quintptr(winId()));
}

bool MousecfgWidget::nativeEvent(const QByteArray& eventType, void* message,
                                 compat::NativeEventResult* result)
{
    if (m_setup.notifier)
        m_setup.notifier->handleNativeEvent(eventType, message);
    return QWidget::nativeEvent(eventType, message, result);
}

void MousecfgWidget::initDevices()
{
    m_mouseListButton = new OakPushButton(this);
    m_mouseListButton->setObjectName(QStringLiteral("mouseListButton"));
    m_mouseListButton->setGeometry(m_ui.scaled(670), m_ui.scaled(33), m_ui.scaled(100), m_ui.scaled(20));
    m_mouseListButton->setThemeColor(m_ui.themeColor());
    m_mouseListButton->hide();
    connect(m_discovery, &DeviceDiscovery::mouseListChanged, this, &MousecfgWidget::refreshMouseListButton);
    connect(m_discovery, &DeviceDiscovery::warnCloseDue, this, &MousecfgWidget::slotWarnClose);
    connect(m_discovery, &DeviceDiscovery::lastMouseGone, this, [this] { m_warningOpen = true; });
    connect(m_discovery, &DeviceDiscovery::warningDue, this, &MousecfgWidget::slotWarning);
    connect(m_discovery, &DeviceDiscovery::reinitialiseDue, this, &MousecfgWidget::reinitialise);
    connect(m_discovery, &DeviceDiscovery::connectionChanged, this,
            &MousecfgWidget::refreshConnectionIndicator);
    connect(m_session, &DeviceSession::RefreshWriteStatus, this, &MousecfgWidget::slotRefreshWriteStatus);
    m_discovery->initialise();
    m_discovery->openCurrentModel();
    readModelDescription();
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
    m_mouseListMenu->setFixedWidth(m_ui.scaled(150));
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
    m_closeButton = new OakPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setImages(skin("close-1.png"), skin("close-2.png"), skin("close-3.png"));
    m_closeButton->setGeometry(m_ui.scaled(960), m_ui.scaled(18), m_ui.scaled(24), m_ui.scaled(24));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);

    m_minimiseButton = new OakPushButton(this);
    m_minimiseButton->setObjectName(QStringLiteral("minimiseButton"));
    m_minimiseButton->setImages(skin("min-1.png"), skin("min-2.png"), skin("min-3.png"));
    m_minimiseButton->setGeometry(m_ui.scaled(930), m_ui.scaled(18), m_ui.scaled(24), m_ui.scaled(24));
    connect(m_minimiseButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    m_languages = new LanguageSwitcher(m_setup.paths, m_ui, this);
    connect(m_languages, &LanguageSwitcher::languageChanged, this, &MousecfgWidget::retranslate);
    m_languages->installCurrent();
}

void MousecfgWidget::readModelDescription()
{
    m_model = ModelDescription::read(m_setup.paths, currentProductName());
}

void MousecfgWidget::loadProfiles()
{
    m_workspace->setModelName(currentProductName());
    const StorageResult loaded = m_workspace->load();
    if (!loaded.isOk())
        qWarning().noquote() << loaded.errorMessage();
}

// The current profile shows the pointer speed the system uses now.
void MousecfgWidget::readPointerSpeed()
{
    PointerSpeed* pointerSpeed = m_setup.platform.pointerSpeed.get();
    if (!pointerSpeed)
        return;
    if (const std::optional<int> speed = pointerSpeed->readPointerSpeed())
        m_workspace->current().mousespeed = quint8(*speed);
}

void MousecfgWidget::buildPages()
{
    m_pages = new PageHost(m_pageEnvironment, *m_workspace, this);
    connect(m_workspace, &ProfileWorkspace::currentChanged, this, &MousecfgWidget::refreshPages);
    m_pages->showTab(m_model.lightingDisabled ? 1 : 0);
    refreshPages();
    m_commit = new CommitController(*m_workspace, *m_session, *m_pages, m_model, this);
    m_commit->setObjectName(QStringLiteral("commitController"));
    m_pages->setObjectName(QStringLiteral("pageHost"));
}

void MousecfgWidget::writeDefaultProfile()
{
    const StorageResult written = ProfileSetStore(m_setup.paths, currentProductName()).writeDefaultProfile();
    if (!written.isOk())
        qWarning().noquote() << "cannot write the default profile:" << written.errorMessage();
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        (void)m_config->setDiff(1);
}

void MousecfgWidget::reloadModelImages() {}

void MousecfgWidget::refreshPages()
{
    if (m_pages)
        m_pages->refresh();
}

void MousecfgWidget::refreshConnectionIndicator() {}

// The part of a re-initialisation that concerns what the window shows.
void MousecfgWidget::reinitialise()
{
    readModelDescription();
    m_pages->reinitialise();
    reloadModelImages();
    loadProfiles();
    writeDefaultProfile();
    m_pages->showTab(m_model.lightingDisabled ? 1 : 0);
    refreshPages();
}

void MousecfgWidget::slotWarnClose()
{
    m_discovery->openCurrentModel();
    reinitialise();
    m_discovery->setDeviceReady(true);
    // A mouse that came but may not be opened: say why once the plug-in
    // warning, which closes itself now, has gone.
    if (!m_session->link().deniedPaths().isEmpty())
        QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

void MousecfgWidget::slot_show_mousename(QAction* action)
{
    m_session->close();
    m_mouseListButton->setText(action->text());
    m_discovery->selectModel(action->text());
    reinitialise();
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
    if (QMenu* extra = m_setup.extraTrayMenu) {
        extra->setParent(m_trayMenu, extra->windowFlags());
        m_trayMenu->addMenu(extra);
    }

    const QIcon icon(skin("icon.ico"));
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setObjectName(QStringLiteral("trayIcon"));
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);
    setWindowIcon(icon);
    m_trayIcon->setIcon(icon);
    m_trayIcon->setToolTip(currentProductName());
    m_trayIcon->show();
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isHidden())
        slotWarning();
    else if (!m_warningOpen)
        hide();
}

void MousecfgWidget::slotWarning()
{
    show();
    if (presentModelCount() > 0 && m_session->link().deniedPaths().isEmpty()) {
        // A mouse that came back before the warning was due needs no warning;
        // the flag would otherwise stay set and keep the window from the tray.
        m_warningOpen = false;
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
    m_warningOpen = true;
    // A box accepted a moment ago may not be deleted yet: it no longer counts.
    if (m_warning && m_warning->isVisible())
        return;
    // A mouse that is plugged in but may not be opened by this user is told
    // apart from an absent one: the text says how to fix it.
    const QString accessProblem = AccessDiagnosis::message(m_session->link().deniedPaths());
    m_warning = new OakMessageBox(this, OakMessageBox::TellWithReceiver, tr("Warning"),
                                  accessProblem.isEmpty() ? tr("Dongle Disconnect!") : accessProblem,
                                  m_ui.scale().factor, m_ui.themeColor(), skin("dongle2.png"));
    m_warning->setObjectName(QStringLiteral("disconnectWarning"));
    m_warning->setAttribute(Qt::WA_DeleteOnClose);
    if (accessProblem.isEmpty())
        m_warning->watchForPlugIn([this] { return m_discovery->deviceReady(); });
    // Any way out of the box (Escape included) ends the warning; without a
    // mouse the window goes back to the tray.
    connect(m_warning, &QDialog::finished, this, [this] {
        m_warningOpen = false;
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
    const QPixmap& background = m_backgrounds.forLevel(m_ui.scale().level, size());
    if (!background.isNull()) {
        painter.drawPixmap(0, 0, background);
        return;
    }
    // No background image: paint a plain one so the window stays usable.
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), m_ui.scaled(18), m_ui.scaled(18));
    painter.fillPath(shape, QColor(28, 30, 34));
}
