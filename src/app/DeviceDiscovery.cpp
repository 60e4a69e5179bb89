#include "app/DeviceDiscovery.h"

#include "app/AppContext.h"
#include "hid/DeviceLink.h"
#include "storage/AppConfig.h"

#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcHotPlug, "mousecfg.hotplug")

namespace {

// The pause between closing the handles and opening them again, so that the
// system has settled the interfaces of a device that came or went.
const int kReopenPauseMs = 500;
const int kAfterChangeMs = 200;

// The table slot of an identity's interface of the given kind; false for an
// interface the table does not track.
bool slotForKind(int identity, int kind, InterfaceSlot& slot)
{
    if (kind == MouseInterface)
        slot = pointerSlot(identity);
    else if (kind == VendorInterface)
        slot = vendorSlot(identity);
    else
        return false;
    return true;
}

} // namespace

DeviceDiscovery::DeviceDiscovery(DeviceLink& link, const AppConfig& config, AppContext& context,
                                 QObject* parent)
    : QObject(parent), m_link(link), m_config(config), m_context(context), m_reopenTimer(new QTimer(this))
{
    m_reopenTimer->setSingleShot(true);
    m_reopenTimer->setInterval(kReopenPauseMs);
    connect(m_reopenTimer, &QTimer::timeout, this, &DeviceDiscovery::finishReopen);
}

void DeviceDiscovery::setPollingControl(std::function<void()> stop, std::function<void()> startIfStopped)
{
    m_stopPolling = std::move(stop);
    m_startPolling = std::move(startIfStopped);
}

void DeviceDiscovery::stopPolling()
{
    if (m_stopPolling)
        m_stopPolling();
}

void DeviceDiscovery::startPolling()
{
    if (m_startPolling)
        m_startPolling();
}

QString DeviceDiscovery::currentModel() const
{
    return m_config.currentProductName();
}

void DeviceDiscovery::initialise()
{
    m_link.reset(QString::fromLatin1(m_config.mouseListName()));
    m_link.scan();
    refreshMouseList();
}

void DeviceDiscovery::refreshMouseList()
{
    m_presentModels.clear();
    for (const DeviceEntry& entry : m_link.entries()) {
        if (entry.present())
            m_presentModels.append(entry.name);
    }
    if (m_presentModels.size() == 1) {
        qCDebug(lcHotPlug).noquote() << "RefreshMouseList " + m_presentModels.first();
        m_config.setCurrentProductName(m_presentModels.first());
    } else if (m_presentModels.isEmpty()) {
        m_config.setCurrentProductName(QString());
    } else if (!m_presentModels.contains(currentModel())) {
        m_config.setCurrentProductName(m_presentModels.first());
    }
    Q_EMIT mouseListChanged();
}

void DeviceDiscovery::selectModel(const QString& name)
{
    m_config.setCurrentProductName(name);
    openCurrentModel();
}

void DeviceDiscovery::openCurrentModel()
{
    if (m_downloadRunning) {
        m_reopenPending = true;
        return;
    }
    m_link.open(currentModel());
}

void DeviceDiscovery::setDownloadRunning(bool running)
{
    m_downloadRunning = running;
    if (!running && m_reopenPending)
        reopenAfterPause();
}

void DeviceDiscovery::handleChange(const DeviceChange& change)
{
    qCDebug(lcHotPlug).noquote() << (change.arrived ? "arrived:" : "removed:") << change.path << "kind"
                                 << change.kind
                                 << QString::asprintf("%04x:%04x", change.vendorId, change.productId);
    bool flagWasSet = false;
    QVector<DeviceEntry> entries = m_link.entries();
    for (int index = 0; index < entries.size(); ++index) {
        DeviceEntry& entry = entries[index];
        int identity = -1;
        if (entry.identities[ReceiverIdentity].matches(change.vendorId, change.productId))
            identity = ReceiverIdentity;
        else if (entry.identities[CableIdentity].matches(change.vendorId, change.productId))
            identity = CableIdentity;
        else
            continue;

        bool reinitialised = false;
        if (change.arrived) {
            arrive(entry, identity, change, flagWasSet);
            m_link.setEntry(index, entry);
            if (entry.identityPresent(identity)) {
                const bool nonePresent = m_presentModels.isEmpty();
                refreshMouseList();
                if (nonePresent)
                    QTimer::singleShot(kAfterChangeMs, this, &DeviceDiscovery::warnCloseDue);
                else
                    openCurrentModel();
            }
        } else if (!remove(index, entry, identity, change, reinitialised)) {
            continue;
        }

        const bool oneFlagSet = entry.found[pointerSlot(identity)] || entry.found[vendorSlot(identity)];
        if (entry.name == currentModel() && oneFlagSet && !reinitialised)
            reopenAfterPause();
    }
    if (flagWasSet)
        m_config.setDiff(1);
    Q_EMIT connectionChanged();
}

// Records an interface of ours that arrived, unless its release is outside
// the identity's range or its path does not fit.
void DeviceDiscovery::arrive(DeviceEntry& entry, int identity, const DeviceChange& change, bool& flagWasSet)
{
    const int release = m_link.releaseNumber(change.path);
    const DeviceIdentity& id = entry.identities[identity];
    if (id.highestRelease != 0 && (release < 0 || !id.acceptsRelease(quint32(release))))
        return;
    InterfaceSlot slot;
    if (!slotForKind(identity, change.kind, slot) || !entry.setPath(slot, change.path))
        return;
    if (!entry.found[slot])
        flagWasSet = true;
    entry.found[slot] = true;
}

// False when the change concerned no flag that was set: nothing happens then.
bool DeviceDiscovery::remove(int index, DeviceEntry& entry, int identity, const DeviceChange& change,
                             bool& reinitialised)
{
    InterfaceSlot slot;
    if (!slotForKind(identity, change.kind, slot) || !entry.found[slot])
        return false;
    entry.found[slot] = false;
    m_link.setEntry(index, entry);

    const bool allClear = !entry.found[0] && !entry.found[1] && !entry.found[2] && !entry.found[3];
    if (!allClear)
        return true;
    int present = 0;
    for (const DeviceEntry& other : m_link.entries())
        present += other.present() ? 1 : 0;
    if (present == 0) {
        lastModelGone();
        return true;
    }
    const QString before = currentModel();
    refreshMouseList();
    if (before == entry.name) {
        openCurrentModel();
        startPolling();
        Q_EMIT reinitialiseDue();
        reinitialised = true;
    }
    return true;
}

void DeviceDiscovery::lastModelGone()
{
    m_presentModels.clear();
    m_deviceReady = false;
    m_context.warningOpen = true;
    if (m_downloadRunning) {
        m_reopenPending = true;
    } else {
        stopPolling();
        m_link.closeAll();
    }
    QTimer::singleShot(kAfterChangeMs, this, &DeviceDiscovery::warningDue);
}

// Closes the handles now and opens them again after a pause, without
// blocking the window meanwhile. A download in progress keeps its handles.
void DeviceDiscovery::reopenAfterPause()
{
    if (m_downloadRunning) {
        m_reopenPending = true;
        return;
    }
    m_reopenPending = false;
    stopPolling();
    m_link.closeAll();
    m_reopenTimer->start();
}

void DeviceDiscovery::finishReopen()
{
    if (m_downloadRunning) {
        m_reopenPending = true;
        return;
    }
    bool present = false;
    for (const DeviceEntry& entry : m_link.entries())
        present = present || entry.present();
    if (!present)
        return;
    m_link.open(currentModel());
    startPolling();
}
