// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DeviceDiscovery.h"

#include "device/DeviceSession.h"
#include "device/ModelChoice.h"
#include "hid/DeviceLink.h"
#include "storage/AppConfig.h"

#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcHotPlug, "mousecfg.hotplug")

namespace {

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

DeviceDiscovery::DeviceDiscovery(DeviceSession& session, AppConfig& config, QObject* parent)
    : QObject(parent), m_session(session), m_config(config)
{
}

QString DeviceDiscovery::currentModel() const
{
    return m_config.currentProductName();
}

void DeviceDiscovery::initialise()
{
    m_session.initialise(QString::fromLatin1(m_config.mouseListName()));
    refreshMouseList();
}

void DeviceDiscovery::setCurrentModel(const QString& name)
{
    if (name != currentModel())
        (void)m_config.setCurrentProductName(name);
    m_session.setCurrentModel(name);
}

void DeviceDiscovery::refreshMouseList()
{
    m_presentModels = ModelChoice::presentModels(m_session.link());
    if (m_presentModels.size() == 1)
        qCDebug(lcHotPlug).noquote() << "RefreshMouseList " + m_presentModels.first();
    setCurrentModel(ModelChoice::choose(m_presentModels, currentModel()));
    Q_EMIT mouseListChanged();
}

void DeviceDiscovery::selectModel(const QString& name)
{
    setCurrentModel(name);
    openCurrentModel();
}

void DeviceDiscovery::openCurrentModel()
{
    m_session.setCurrentModel(currentModel());
    m_session.open();
}

void DeviceDiscovery::handleChange(const DeviceChange& change)
{
    qCDebug(lcHotPlug).noquote() << (change.arrived ? "arrived:" : "removed:") << change.path << "kind"
                                 << change.kind
                                 << QString::asprintf("%04x:%04x", change.vendorId, change.productId);
    bool flagWasSet = false;
    QVector<DeviceEntry> entries = m_session.link().entries();
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
            m_session.link().setEntry(index, entry);
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
            m_session.reopenAfterPause();
    }
    if (flagWasSet) {
        const StorageResult written = m_config.setDiff(1);
        if (!written.isOk())
            qCWarning(lcHotPlug).noquote() << written.errorMessage();
    }
    Q_EMIT connectionChanged();
}

// Records an interface of ours that arrived, unless its release is outside
// the identity's range or its path does not fit.
void DeviceDiscovery::arrive(DeviceEntry& entry, int identity, const DeviceChange& change, bool& flagWasSet)
{
    const int release = m_session.link().releaseNumber(change.path);
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
    m_session.link().setEntry(index, entry);

    const bool allClear = !entry.found[0] && !entry.found[1] && !entry.found[2] && !entry.found[3];
    if (!allClear)
        return true;
    int present = 0;
    for (const DeviceEntry& other : m_session.link().entries())
        present += other.present() ? 1 : 0;
    if (present == 0) {
        lastModelGone();
        return true;
    }
    const QString before = currentModel();
    refreshMouseList();
    if (before == entry.name) {
        openCurrentModel();
        Q_EMIT reinitialiseDue();
        reinitialised = true;
    }
    return true;
}

void DeviceDiscovery::lastModelGone()
{
    m_presentModels.clear();
    m_deviceReady = false;
    m_session.close();
    Q_EMIT lastMouseGone();
    QTimer::singleShot(kAfterChangeMs, this, &DeviceDiscovery::warningDue);
}
