// SPDX-License-Identifier: GPL-3.0-or-later
// The window's reactions to what the mouse reports and to the user's
// choices of tab, slot and language: the status slots of MousecfgWidget.
#include "app/MousecfgWidget.h"

#include "app/LanguageSwitcher.h"
#include "app/LightingPreview.h"
#include "app/PageHost.h"
#include "app/ProfileBar.h"
#include "app/ProfileOperations.h"
#include "app/StatusHeader.h"
#include "app/TabBar.h"
#include "app/TrayController.h"
#include "device/DeviceSession.h"
#include "device/StatusSync.h"
#include "hid/DeviceLink.h"
#include "platform/PlatformServices.h"
#include "protocol/DpiRule.h"
#include "storage/AppConfig.h"
#include "storage/LanguageConfig.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileWorkspace.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"

#include "widgets/ReportRateText.h"
#include <QApplication>
#include <QLoggingCategory>
#include <QToolTip>

Q_LOGGING_CATEGORY(lcWindowStatus, "mousecfg.window")

namespace {

bool vendorPresent(const DeviceLink& link, InterfaceSlot slot)
{
    const QVector<DeviceEntry> entries = link.entries();
    return !entries.isEmpty() && entries.first().found[slot];
}

} // namespace

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 /*iHiByte*/)
{
    m_header->showBattery(iCharge, iLowByte, vendorPresent(m_session->link(), CableVendor));
    refreshConnectionIndicator();
    updateTray();
}

void MousecfgWidget::refreshConnectionIndicator()
{
    if (!m_header)
        return;
    const DeviceLink& link = m_session->link();
    const bool cable = vendorPresent(link, CableVendor);
    const bool receiver = vendorPresent(link, ReceiverVendor);
    // With nothing attached no report will come to replace the last level:
    // the bar says so rather than show a level of a mouse that is gone.
    if (!cable && !receiver)
        m_header->showBattery(0, 0, false);
    m_header->showConnection(cable, receiver);
    updateTray();
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    qCDebug(lcWindowStatus).noquote() << QString::asprintf(
        "Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", iProfile, iDPI, iRate, iMode);
    // A report still queued when an apply began tells of the state that the
    // apply is replacing: it must not undo the profile being sent.
    if (m_session->isApplying())
        return;
    const StatusChange change = m_statusSync->take(MouseStatus{iProfile, iDPI, iRate});
    if (!change.written.isOk())
        qCWarning(lcWindowStatus).noquote() << change.written.errorMessage();
    if (change.slotChanged)
        slotRefreshProfile(change);
    if (change.stageChanged)
        slotRefreshDPIStage(change, iDPI);
    if (change.rateChanged)
        slotRefreshRate(change, iRate);
    updateTray();
}

// The mouse runs another slot: the window shows it and the desktop takes
// its pointer speed.
void MousecfgWidget::slotRefreshProfile(const StatusChange& change)
{
    m_operations->reloadLibrary();
    PointerSpeed* pointerSpeed = m_setup.platform.pointerSpeed.get();
    const int speed = change.pointerSpeed.value_or(0);
    if (pointerSpeed && speed >= PointerSpeed::kMinimum && speed <= PointerSpeed::kMaximum)
        pointerSpeed->applyPointerSpeed(speed);
    sendToDisplay(tr("Profile") + QStringLiteral(" %1").arg(m_workspace->currentSlot() + 1));
}

// The display tells of the stage the mouse runs now, with the DPI it has
// there; the DPI page shows it unless the user chose another one.
void MousecfgWidget::slotRefreshDPIStage(const StatusChange& change, int stage)
{
    if (change.stageShown)
        m_pages->showActiveStage(stage);
    const ProfileData& onMouse = m_workspace->saved().profiles[m_workspace->currentSlot()];
    const int dpi = DpiRule::levelToDpi(m_model.sensorType, int(onMouse.stages[stage].x));
    sendToDisplay(tr("DPI") + QStringLiteral(" %1:%2").arg(stage + 1).arg(dpi));
}

void MousecfgWidget::slotRefreshRate(const StatusChange& change, int rate)
{
    if (change.rateShown)
        m_pages->refreshPage(QStringLiteral("reportRatePage"));
    sendToDisplay(reportRateText(rate));
}

// Off while a macro is recorded: nothing may change the profile under the
// recording, and the window may not be hidden.
void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_languages->button(), m_closeButton, m_minimiseButton,
                                         m_header->firmwareButton(), m_mouseListButton})
        control->setEnabled(bEnable);
    m_profileBar->setEnabled(bEnable);
    m_tabs->setEnabled(bEnable);
}

void MousecfgWidget::showTab(int tab)
{
    m_pages->showTab(tab);
    m_tabs->highlight(m_pages->shownTab());
    m_lightingPreview->setVisible(m_pages->shownTab() == 0);
}

void MousecfgWidget::orderFocus()
{
    // Tab follows the layout: header, profile column, pages, footer.
    QList<QWidget*> chain;
    for (int tab = 0; tab < TabBar::kTabs; ++tab)
        chain << m_tabs->button(tab);
    chain << m_languages->button() << m_minimiseButton << m_closeButton << m_header->firmwareButton();
    chain << m_profileBar->focusChain();
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void MousecfgWidget::changeSlot(int slot, bool reload)
{
    if (slot < 0 || slot >= ProfileSet::kProfiles)
        return;
    const StorageResult selected = m_workspace->select(slot, reload);
    if (!selected.isOk())
        qCWarning(lcWindowStatus).noquote() << selected.errorMessage();
    // The workspace announces the slot, and the pages follow.
    updateTray();
}

void MousecfgWidget::refreshPages()
{
    if (!m_pages || !m_profileBar)
        return;
    const int slot = m_workspace->currentSlot();
    m_profileBar->showCurrentSlot(slot);
    m_profileBar->showName(m_workspace->slotName(slot));
    m_pages->refresh();
}

void MousecfgWidget::sendToDisplay(const QString& text)
{
    if (OnScreenDisplay* display = m_setup.platform.onScreenDisplay.get())
        display->showText(text, m_ui.themeColor());
}

void MousecfgWidget::updateTray()
{
    if (!m_tray)
        return;
    TrayController::Status status;
    status.model = m_model.modelName;
    status.battery = m_header->batteryPercent();
    status.charging = m_header->charging();
    status.profile = m_workspace->currentSlot();
    status.dpiStage = m_workspace->current().dpi;
    m_tray->showStatus(status);
}

void MousecfgWidget::retranslate()
{
    m_closeButton->setAccessibleName(tr("Close"));
    m_minimiseButton->setAccessibleName(tr("Minimise"));
    m_languages->button()->setAccessibleName(tr("Language"));
    for (OakPushButton* button : {m_closeButton, m_minimiseButton, m_languages->button()})
        button->setToolTip(button->accessibleName());
    m_header->retranslate();
    m_tabs->retranslate();
    m_profileBar->retranslate();
    if (m_tray)
        m_tray->retranslate();
    updateTray();
}

// The pages follow Qt's language-change event by themselves.
void MousecfgWidget::languageChanged()
{
    retranslate();
    readModelDescription();
    applyFont();
}

void MousecfgWidget::applyFont()
{
    const LanguageFont configured = LanguageConfig(m_setup.paths).font(m_ui.languageIndex());
    QFont font = QApplication::font();
    if (!configured.family.isEmpty())
        font.setFamily(configured.family);
    font.setPixelSize(
        m_ui.scaled(configured.pixelSize > 0 ? configured.pixelSize : UiSettings::kDefaultFontPixels));
    m_ui.setFont(font);
    setFont(font);
    QToolTip::setFont(font);
}
