#include "app/MousecfgWidget.h"

#include "QtCompat.h"
#include "app/AppContext.h"
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
#include <QSettings>
#include <QTimer>

namespace {
const QSize kDesignSize(999, 640);
}

MousecfgWidget::MousecfgWidget(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context),
      m_backgrounds(context.paths.skinFile(QStringLiteral("cfgMainback.png")))
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    setWindowTitle(tr("MousecfgWidget"));
    loadImages();
    applyScale();
    registerDeviceNotifications();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    initDevices();
    initLanguage();
    buildControls();
    loadProfiles();
    startPolling();
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
    if (m_trayIcon)
        m_trayIcon->hide();
}

QString MousecfgWidget::skin(const char* name) const
{
    return m_context.paths.skinFile(QLatin1String(name));
}

QString MousecfgWidget::currentProductName() const
{
    return QSettings(m_context.paths.configFile(), QSettings::IniFormat)
        .value(QStringLiteral("Config/CurrentProductName"))
        .toString();
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

void MousecfgWidget::registerDeviceNotifications() {}

void MousecfgWidget::initDevices()
{
    m_presentModels = 0;
}

void MousecfgWidget::initLanguage() {}

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
}

void MousecfgWidget::loadProfiles() {}

void MousecfgWidget::startPolling() {}

void MousecfgWidget::buildPages() {}

void MousecfgWidget::writeDefaultProfile() {}

void MousecfgWidget::stopPolling() {}

void MousecfgWidget::closeDevices() {}

void MousecfgWidget::createTrayIcon()
{
    m_loadConfigAction = new QAction(tr("&Load Config"), this);
    connect(m_loadConfigAction, &QAction::triggered, this, &MousecfgWidget::slotWarning);
    m_quitAction = new QAction(tr("&Quit"), this);
    connect(m_quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);

    m_trayMenu = new QMenu(this);
    m_trayMenu->addAction(m_loadConfigAction);
    m_trayMenu->addAction(m_quitAction);

    const QIcon icon(skin("icon.ico"));
    m_trayIcon = new QSystemTrayIcon(this);
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
    else if (!m_context.warningOpen)
        hide();
}

void MousecfgWidget::slotWarning()
{
    show();
    if (m_presentModels > 0) {
        activateWindow();
        raise();
        return;
    }
    showDisconnectWarning();
}

void MousecfgWidget::showDisconnectWarning() {}

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
