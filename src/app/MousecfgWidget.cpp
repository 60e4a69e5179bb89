// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MousecfgWidget.h"

#include "QtCompat.h"
#include "app/CommitController.h"
#include "app/DeviceDiscovery.h"
#include "app/DisconnectWarning.h"
#include "app/FirmwareUpdate.h"
#include "app/LanguageSwitcher.h"
#include "app/LightingPreview.h"
#include "app/PageHost.h"
#include "app/ProfileBar.h"
#include "app/ProfileOperations.h"
#include "app/StatusHeader.h"
#include "app/TabBar.h"
#include "app/TrayController.h"
#include "app/UnsavedChanges.h"
#include "app/WindowControls.h"
#include "app/WindowDragger.h"
#include "app/WindowPrompts.h"
#include "device/DeviceSession.h"
#include "device/StatusSync.h"
#include "hid/DeviceLink.h"
#include "platform/PlatformServices.h"
#include "storage/AppConfig.h"
#include "storage/FileStore.h"
#include "storage/ProfileKeyTable.h"
#include "storage/ProfileSetStore.h"
#include "storage/ProfileWorkspace.h"
#include "widgets/KitStyle.h"
#include "widgets/OakPushButton.h"
#include "widgets/UiSettings.h"

#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {
const QSize kDesignSize(999, 640);
// How long a change may wait in memory before it is written.
constexpr int kWriteBehindMs = 1000;
} // namespace

MousecfgWidget::MousecfgWidget(WindowSetup& setup, QWidget* parent)
    : QWidget(parent), m_setup(setup), m_ui(setup.ui),
      m_backgrounds(setup.paths.skinFile(QStringLiteral("cfgMainback.png"))),
      m_config(std::make_unique<AppConfig>(setup.paths)),
      m_ownPrompts(setup.prompts ? nullptr : std::make_unique<WindowPrompts>(this, setup.ui)),
      m_prompts(setup.prompts ? *setup.prompts : *m_ownPrompts),
      m_pageEnvironment(setup.ui, m_model, setup.paths, setup.platform, m_prompts)
{
    // The profiles are read further down; their key table is built meanwhile.
    ProfileKeyTable::buildAhead();
    setObjectName(QStringLiteral("MousecfgWidget"));
    // Start-up names the window after the product; a language change keeps it.
    setWindowTitle(tr("MousecfgWidget"));
    new WindowDragger(this);
    m_ui.setThemeColor(m_config->themeColor());
    applyScale(QGuiApplication::primaryScreen(), true);
    // Frameless before registering: changing the flags afterwards would
    // re-create the native window that the registration names.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // The look first: each control made below is polished once, in it.
    setStyleSheet(KitStyle::styleSheet(m_ui.themeColor(), m_ui.scale()));
    m_session = new DeviceSession(setup.devices, setup.paths, this);
    m_session->setObjectName(QStringLiteral("deviceSession"));
    m_workspace = new ProfileWorkspace(setup.paths, this);
    m_workspace->setObjectName(QStringLiteral("profileWorkspace"));
    m_statusSync = std::make_unique<StatusSync>(*m_workspace);
    m_discovery = new DeviceDiscovery(*m_session, *m_config, this);
    m_discovery->setObjectName(QStringLiteral("deviceDiscovery"));
    m_warning = new DisconnectWarning(m_ui, m_setup.paths, *m_discovery, m_session->link(), this);
    keepFilesBehind();
    registerDeviceNotifications();
    initDevices();
    buildControls();
    // The language's font before the pages, which take it as they are made.
    applyFont();
    loadProfiles();
    readPointerSpeed();
    buildPages();
    buildProfileBar();
    placeControls();
    orderFocus();
    retranslate();
    refreshConnectionIndicator();
    // What the first sight of the window does not need comes after it; a
    // start without a mouse shows no window, only the tray.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            finishStart();
    });
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

// After the first paint: the tray, the default profile's file, and the
// pages of the other tabs, one tab per turn of the event loop.
void MousecfgWidget::finishStart()
{
    if (m_tray)
        return;
    createTray();
    writeDefaultProfile();
    buildPagesInSlices();
}

void MousecfgWidget::buildPagesInSlices()
{
    if (m_pages->buildNextTab())
        QTimer::singleShot(0, this, &MousecfgWidget::buildPagesInSlices);
}

bool MousecfgWidget::isStartFinished() const
{
    return m_tray && m_pages->isComplete();
}

// The session stops the poll before it closes the interfaces and releases
// the HID library; it goes with the window's children. What the store has
// not written yet is written now.
MousecfgWidget::~MousecfgWidget()
{
    m_setup.paths.store().setWriteBehind(0);
}

// The window's writes (a battery level, the stage the mouse runs, a slot
// name) go to disk on the store's writer thread, never on this one; a write
// that fails is told once per file and reason.
void MousecfgWidget::keepFilesBehind()
{
    FileStore& store = m_setup.paths.store();
    store.setWriteBehind(kWriteBehindMs);
    connect(&store, &FileStore::writeFailed, this,
            [this](const QString&, const QString& message) { m_prompts.tell(message); });
}

int MousecfgWidget::presentModelCount() const
{
    return m_discovery->presentModelCount();
}

int MousecfgWidget::shownTab() const
{
    return m_pages->shownTab();
}

QString MousecfgWidget::trayToolTip() const
{
    return m_tray ? m_tray->toolTip() : QString();
}

QString MousecfgWidget::skin(const char* name) const
{
    return m_setup.paths.skinFile(QLatin1String(name));
}

QString MousecfgWidget::currentProductName() const
{
    return m_config->currentProductName();
}

// The factor comes from the screen the window is on; a change of factor
// resizes the window and everything on it.
void MousecfgWidget::applyScale(const QScreen* screen, bool centre)
{
    m_ui.setScale(UiScale::forLogicalDpi(screen ? screen->logicalDotsPerInch() : 96.0));
    setBaseSize(kDesignSize);
    setMinimumSize(kDesignSize);
    const QSize size(m_ui.scaled(kDesignSize.width()), m_ui.scaled(kDesignSize.height()));
    resize(size);
    if (screen && centre) {
        const QRect frame = frameGeometry();
        move(screen->geometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    // Without its image the window keeps its rectangle: a mask made from a
    // null pixmap would be empty and hide the whole window.
    const QBitmap shape = m_backgrounds.mask(m_ui.scale().level, size);
    if (shape.isNull())
        clearMask();
    else
        setMask(shape);
}

void MousecfgWidget::followScreen()
{
    if (!m_pages)
        return;
    const QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        return;
    const UiScale scale = UiScale::forLogicalDpi(screen->logicalDotsPerInch());
    const QSize size(scale.scaled(kDesignSize.width()), scale.scaled(kDesignSize.height()));
    if (scale.level == m_ui.scale().level && size == this->size())
        return;
    qDebug().noquote() << QString::asprintf("width = %d, height = %d m_iDpiVal = %d\n", size.width(),
                                            size.height(), scale.level);
    applyScale(screen, false);
    placeControls();
    setStyleSheet(KitStyle::styleSheet(m_ui.themeColor(), m_ui.scale()));
    applyFont();
}

void MousecfgWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    followScreen();
}

void MousecfgWidget::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    followScreen();
}

void MousecfgWidget::placeControls()
{
    using WindowControls::place;
    place(m_closeButton, m_ui, QRect(952, 20, 32, 32));
    place(m_minimiseButton, m_ui, QRect(914, 20, 32, 32));
    place(m_languages->button(), m_ui, QRect(876, 20, 32, 32));
    place(m_mouseListButton, m_ui, QRect(72, 12, 192, 24));
    m_header->place();
    m_tabs->place();
    m_pages->place();
    m_lightingPreview->reload();
    if (m_profileBar)
        m_profileBar->place();
}

void MousecfgWidget::buildControls()
{
    m_closeButton = WindowControls::imageButton(this, "closeButton", m_ui, skin("close-1.png"),
                                                skin("close-2.png"), skin("close-3.png"));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
    m_minimiseButton = WindowControls::imageButton(this, "minimiseButton", m_ui, skin("min-1.png"),
                                                   skin("min-2.png"), skin("min-3.png"));
    connect(m_minimiseButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    m_languages = new LanguageSwitcher(m_setup.paths, m_ui, this);
    m_languages->button()->setImages(skin("lang.png"), skin("lang-2.png"), skin("lang-3.png"));
    m_languages->button()->setFocusPolicy(Qt::StrongFocus);
    connect(m_languages, &LanguageSwitcher::languageChanged, this, &MousecfgWidget::languageChanged);
    m_languages->installCurrent();
    m_header = new StatusHeader(m_ui, m_setup.paths, *m_config, this);
    connect(m_header, &StatusHeader::firmwareRequested, this, &MousecfgWidget::firmwareUpdateRequested);
    m_tabs = new TabBar(m_ui, this);
    connect(m_tabs, &TabBar::tabChosen, this, &MousecfgWidget::showTab);
}

void MousecfgWidget::readModelDescription()
{
    m_model = ModelDescription::read(m_setup.paths, m_config->profileModelName());
    if (m_header)
        m_header->setModel(m_model.modelName, m_model.version);
}

void MousecfgWidget::loadProfiles()
{
    m_workspace->setModelName(m_config->profileModelName());
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
    const std::optional<int> speed = pointerSpeed->readPointerSpeed();
    if (!speed)
        return;
    // What the desktop uses is no edit of the user's: it is saved as well.
    m_workspace->current().mousespeed = quint8(*speed);
    ProfileSet saved = m_workspace->saved();
    saved.profiles[m_workspace->currentSlot()].mousespeed = quint8(*speed);
    m_workspace->markSaved(saved);
}

void MousecfgWidget::buildPages()
{
    m_header->setModel(m_model.modelName, m_model.version);
    m_pages = new PageHost(m_pageEnvironment, *m_workspace, this);
    m_pages->setObjectName(QStringLiteral("pageHost"));
    m_lightingPreview = new LightingPreview(m_pageEnvironment, this);
    connect(m_workspace, &ProfileWorkspace::currentChanged, this, &MousecfgWidget::refreshPages);
    connect(m_pages, &PageHost::pageRequested, this, &MousecfgWidget::showTab);
    connect(m_pages, &PageHost::hostEnabled, this, &MousecfgWidget::slotEnableButtons);
    showTab(0);
    m_commit = new CommitController(*m_workspace, *m_session, *m_pages, m_model, this);
    m_commit->setObjectName(QStringLiteral("commitController"));
}

void MousecfgWidget::buildProfileBar()
{
    m_operations = new ProfileOperations(*m_workspace, *m_commit, m_model, m_prompts, this);
    m_operations->setObjectName(QStringLiteral("profileOperations"));
    m_profileBar = new ProfileBar(m_ui, m_setup.paths, *m_operations, this);
    // The mouse reports its first profile as the active one in every status
    // report, so a slot chosen here would not last: a click keeps the
    // current slot highlighted and changes nothing.
    connect(m_profileBar, &ProfileBar::slotChosen, this,
            [this](int) { m_profileBar->showCurrentSlot(m_workspace->currentSlot()); });
    connect(m_operations, &ProfileOperations::hideRequested, this, &QWidget::hide);
    connect(m_operations, &ProfileOperations::tabRequested, this, &MousecfgWidget::showTab);
    if (ProgramLauncher* launcher = m_setup.platform.launcher.get()) {
        auto* firmware = new FirmwareUpdate(*m_session, m_setup.paths, *launcher, m_prompts, this);
        firmware->setObjectName(QStringLiteral("firmwareUpdate"));
        connect(this, &MousecfgWidget::firmwareUpdateRequested, firmware, &FirmwareUpdate::start);
    }
    m_operations->reloadLibrary();
    m_unsaved = new UnsavedChanges(*m_workspace, *m_pages, *m_tabs, *m_profileBar, *m_operations, *m_commit,
                                   m_prompts, this);
    m_unsaved->setObjectName(QStringLiteral("unsavedChanges"));
    connect(m_unsaved, &UnsavedChanges::quitConfirmed, qApp, &QCoreApplication::quit);
    refreshPages();
}

void MousecfgWidget::writeDefaultProfile()
{
    const StorageResult written =
        ProfileSetStore(m_setup.paths, m_config->profileModelName()).writeDefaultProfile();
    if (!written.isOk())
        qWarning().noquote() << "cannot write the default profile:" << written.errorMessage();
}

void MousecfgWidget::createTray()
{
    m_tray = new TrayController(skin("icon.ico"), m_setup.extraTrayMenu, this);
    connect(m_tray, &TrayController::loadConfigRequested, this, &MousecfgWidget::slotWarning);
    connect(m_tray, &TrayController::quitRequested, m_unsaved, &UnsavedChanges::requestQuit);
    connect(m_tray, &TrayController::activated, this, &MousecfgWidget::iconActivated);
    updateTray();
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isHidden())
        slotWarning();
    else if (!m_warning->isOpen())
        hide();
}

void MousecfgWidget::slotWarning()
{
    m_warning->showOrWarn();
}

void MousecfgWidget::paintEvent(QPaintEvent*)
{
    if (!m_tray)
        QTimer::singleShot(0, this, &MousecfgWidget::finishStart);
    QPainter painter(this);
    if (!m_backgrounds.paint(painter, m_ui.scale().level, size())) {
        // No background image: paint a plain one so the window stays usable.
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), m_ui.scaled(18), m_ui.scaled(18));
        painter.fillPath(shape, QColor(28, 30, 34));
    }
    if (m_header)
        m_header->paintFrame(painter);
}
