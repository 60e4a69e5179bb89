// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTest.h"

#include "RealStack.h"

#include "app/DeviceDiscovery.h"
#include "app/MousecfgWidget.h"
#include "app/WindowSetup.h"
#include "hid/DeviceLink.h"
#include "hid/DeviceServices.h"
#include "hid/HidapiBackend.h"
#include "hid/ModelIds.h"
#include "hid/SystemClock.h"
#include "platform/DeviceNotifier.h"
#include "platform/PlatformServices.h"
#include "platform/fake/FakeKeyboardCapture.h"
#include "platform/fake/FakeOnScreenDisplay.h"
#include "platform/fake/FakePointerSpeed.h"
#include "platform/fake/FakeProgramLauncher.h"
#include "storage/AppConfig.h"
#include "support/TempAppDir.h"
#include "widgets/OakBatteryBar.h"
#include "widgets/OakMessageBox.h"
#include "widgets/UiSettings.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

using namespace RealStack;

namespace {

constexpr int kUdevTimeoutMs = 20000;

// The window as start-up builds it for a real mouse, with the system's
// services faked as the other window tests fake them.
class RealWindowRig
{
public:
    RealWindowRig() : m_devices(createHidapiBackend(), std::make_shared<SystemClock>())
    {
        m_platform.pointerSpeed = std::make_unique<FakePointerSpeed>(std::nullopt);
        m_platform.launcher = std::make_unique<FakeProgramLauncher>();
        m_platform.onScreenDisplay = std::make_unique<FakeOnScreenDisplay>();
        m_platform.makeKeyboardCapture = [] { return std::make_unique<FakeKeyboardCapture>(); };
        // Every message but the disconnect warning is read and answered.
        m_answer.setInterval(50);
        QObject::connect(&m_answer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<OakMessageBox*>(widget);
                if (box && box->isVisible() && box->objectName() != QLatin1String("disconnectWarning")) {
                    m_told.append(box->text());
                    box->accept();
                }
            }
        });
        m_answer.start();
    }
    ~RealWindowRig() { m_window.reset(); }

    MousecfgWidget& open()
    {
        m_setup = std::make_unique<WindowSetup>(
            WindowSetup{m_dir.paths(), m_devices, m_ui, m_platform, createDeviceNotifier(), nullptr});
        m_window = std::make_unique<MousecfgWidget>(*m_setup);
        m_window->show();
        return *m_window;
    }

    template <typename T> T* find(const char* name) const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (T* found = widget->findChild<T*>(QLatin1String(name)))
                return found;
            if (auto* self = qobject_cast<T*>(widget); self && widget->objectName() == QLatin1String(name))
                return self;
        }
        return nullptr;
    }
    bool warningShown() const
    {
        auto* box = find<OakMessageBox>("disconnectWarning");
        return box && box->isVisible() && box->text() == QStringLiteral("Dongle Disconnect!");
    }
    DeviceDiscovery& discovery() const
    {
        return *m_window->findChild<DeviceDiscovery*>(QStringLiteral("deviceDiscovery"));
    }
    QString batteryText() const
    {
        auto* bar = find<OakBatteryBar>("batteryBar");
        return bar ? bar->text() : QString();
    }
    QString modeText() const
    {
        auto* label = find<QLabel>("modeText");
        return label ? label->text() : QString();
    }

    DeviceLink& link() { return *m_devices.link; }
    AppPaths paths() const { return m_dir.paths(); }
    QStringList told() const { return m_told; }

private:
    TempAppDir m_dir;
    DeviceServices m_devices;
    UiSettings m_ui;
    PlatformServices m_platform;
    std::unique_ptr<WindowSetup> m_setup;
    std::unique_ptr<MousecfgWidget> m_window;
    QTimer m_answer;
    QStringList m_told;
};

QString describe(const DeviceChange& change)
{
    const char* kind = change.kind == MouseInterface    ? "pointer"
                       : change.kind == VendorInterface ? "vendor"
                                                        : "other";
    return QStringLiteral("%1 %2 %3:%4")
        .arg(QLatin1String(change.arrived ? "add" : "remove"), QLatin1String(kind))
        .arg(change.vendorId, 4, 16, QLatin1Char('0'))
        .arg(change.productId, 4, 16, QLatin1Char('0'));
}

} // namespace

void WindowTest::init()
{
    QVERIFY(control({QStringLiteral("reset")}));
    QVERIFY(control({QStringLiteral("battery"), QStringLiteral("70")}));
    QVERIFY(control({QStringLiteral("unplug"), QStringLiteral("cable")}));
    QVERIFY(control({QStringLiteral("plug"), QStringLiteral("receiver")}));
    QVERIFY(run(QStringLiteral("udevadm"), {QStringLiteral("settle")}).exitCode == 0);
}

void WindowTest::followsUnplugAndReplug()
{
    // What udev tells, in its order, for the report of this run.
    std::unique_ptr<DeviceNotifier> watcher = createDeviceNotifier();
    QStringList events;
    QObject::connect(watcher.get(), &DeviceNotifier::deviceChanged,
                     [&](const DeviceChange& change) { events.append(describe(change)); });
    QVERIFY(watcher->start(0));

    RealWindowRig rig;
    MousecfgWidget& window = rig.open();
    QCOMPARE(window.presentModelCount(), 1);
    QVERIFY(rig.link().isOpen(ReceiverVendor));
    QTRY_COMPARE_WITH_TIMEOUT(rig.batteryText(), QStringLiteral("85%"), kUdevTimeoutMs);

    QVERIFY(control({QStringLiteral("unplug"), QStringLiteral("receiver")}));
    QTRY_VERIFY_WITH_TIMEOUT(rig.warningShown(), kUdevTimeoutMs);
    QCOMPARE(window.presentModelCount(), 0);
    QVERIFY(!rig.link().isOpen(ReceiverVendor));
    QVERIFY(!rig.discovery().deviceReady());
    qInfo("udev on unplug: %s", qPrintable(events.join(QStringLiteral(", "))));
    const QString receiver = QStringLiteral("%1:%2")
                                 .arg(kModelVendorId, 4, 16, QLatin1Char('0'))
                                 .arg(kModelReceiverProductId, 4, 16, QLatin1Char('0'));
    QVERIFY(events.contains(QStringLiteral("remove pointer ") + receiver));
    QVERIFY(events.contains(QStringLiteral("remove vendor ") + receiver));
    events.clear();

    // The battery changed while the mouse was away: the resumed poll shows it.
    QVERIFY(control({QStringLiteral("battery"), QStringLiteral("80")}));
    QVERIFY(control({QStringLiteral("plug"), QStringLiteral("receiver")}));
    QTRY_VERIFY_WITH_TIMEOUT(rig.discovery().deviceReady(), kUdevTimeoutMs);
    QTRY_VERIFY(!rig.warningShown());
    QCOMPARE(window.presentModelCount(), 1);
    QVERIFY(rig.link().isOpen(ReceiverVendor));
    QTRY_COMPARE_WITH_TIMEOUT(rig.batteryText(), QStringLiteral("95%"), kUdevTimeoutMs);
    qInfo("udev on replug: %s", qPrintable(events.join(QStringLiteral(", "))));
    QVERIFY(events.contains(QStringLiteral("add pointer ") + receiver));
    QVERIFY(events.contains(QStringLiteral("add vendor ") + receiver));
    QVERIFY(rig.told().isEmpty());
}

void WindowTest::cableBesideTheReceiverGivesTheCableMode()
{
    RealWindowRig rig;
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.modeText(), QStringLiteral("Receiver"), kUdevTimeoutMs);
    QVERIFY(!rig.link().isOpen(CableVendor));

    QVERIFY(control({QStringLiteral("plug"), QStringLiteral("cable")}));
    QTRY_VERIFY_WITH_TIMEOUT(rig.link().isOpen(CableVendor), kUdevTimeoutMs);
    QTRY_COMPARE(rig.modeText(), QStringLiteral("Receiver, charging"));
    QVERIFY(rig.link().isOpen(ReceiverVendor));
    QVERIFY(!rig.warningShown());
    // Commands now go over the cable.
    QCOMPARE(QString::fromLocal8Bit(rig.link().vendorHandle()->path()),
             vendorNode(kModelVendorId, kModelCableProductId));

    QVERIFY(control({QStringLiteral("unplug"), QStringLiteral("cable")}));
    QTRY_COMPARE_WITH_TIMEOUT(rig.modeText(), QStringLiteral("Receiver"), kUdevTimeoutMs);
    QTRY_VERIFY(rig.link().isOpen(ReceiverVendor));
    QVERIFY(!rig.link().isOpen(CableVendor));
    QVERIFY(!rig.warningShown());
}

void WindowTest::unplugDuringApplyEndsWithTheFailure()
{
    RealWindowRig rig;
    rig.open();
    QTRY_VERIFY_WITH_TIMEOUT(rig.discovery().deviceReady() || rig.link().isOpen(ReceiverVendor),
                             kUdevTimeoutMs);
    QVERIFY(AppConfig(rig.paths()).setDiff(0).isOk());
    // The receiver is pulled out a few reports into the download.
    QVERIFY(control({QStringLiteral("fault"), QStringLiteral("unplug@6")}));
    auto* apply = rig.find<QWidget>("applyButton");
    QVERIFY(apply);
    QTest::mouseClick(apply, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(rig.told().contains(QStringLiteral("Send data failed, please try again.")),
                             60000);
    // What was saved stays, and the mouse is marked as differing from it.
    QCOMPARE(AppConfig(rig.paths()).diff(), 1);
    const QString model = AppConfig(rig.paths()).profileModelName();
    QVERIFY(QFile::exists(rig.paths().profileDir(model) + QStringLiteral("/Profile 1.prof")));
    QTRY_VERIFY_WITH_TIMEOUT(rig.warningShown(), kUdevTimeoutMs);

    QVERIFY(control({QStringLiteral("plug"), QStringLiteral("receiver")}));
    QTRY_VERIFY_WITH_TIMEOUT(rig.discovery().deviceReady(), kUdevTimeoutMs);
    QTRY_VERIFY(!rig.warningShown());
}
