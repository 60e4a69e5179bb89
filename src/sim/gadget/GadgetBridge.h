// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hid/HidDevice.h"
#include "sim/VirtualMouseOptions.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class GadgetFaults;
class VirtualMouse;

// Carries one identity's vendor interface between the kernel and the
// virtual mouse: every output report the host writes arrives on the gadget
// function's /dev/hidgN and goes to the mouse's vendor interface as the
// host would have written it (report id 0 and the payload); every report the
// mouse queues there (echoes, status replies, status on a DPI press) goes
// back to the host as an input report. Runs on a thread of its own.
class GadgetBridge
{
public:
    using UnplugRequest = std::function<void()>;

    // unplug is called on the bridge's thread when an unplug fault is due.
    GadgetBridge(VirtualMouse& mouse, VirtualIdentity identity, GadgetFaults& faults, UnplugRequest unplug);
    ~GadgetBridge();

    GadgetBridge(const GadgetBridge&) = delete;
    GadgetBridge& operator=(const GadgetBridge&) = delete;

    bool start(QString& error);
    void stop();
    // The function's node exists only while the gadget is bound: attach
    // after a bind, detach before an unbind. While detached nothing reaches
    // the host: what the mouse sends meanwhile is lost, as it is for a mouse
    // that is not attached.
    void attach(const QString& node);
    void detach();
    // Looks for reports the mouse queued outside a reply (a DPI press).
    void wake();

private:
    struct Pending
    {
        QByteArray bytes;
        qint64 notBeforeMs;
    };

    void run();
    void takeOutputReports();
    void forward(const quint8* payload, int length);
    void collectReplies();
    void sendPending();
    int pollTimeoutMs() const;
    void followAttachment();

    VirtualMouse& m_mouse;
    const VirtualIdentity m_identity;
    GadgetFaults& m_faults;
    const UnplugRequest m_unplug;
    std::unique_ptr<HidDevice> m_device;
    int m_wake = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    QString m_wantedNode; // empty: detached

    // Owned by the bridge's thread.
    int m_node = -1;
    QString m_openNode;
    bool m_connected = false;
    std::deque<Pending> m_pending;
    int m_delayNextReplyMs = 0;
};
