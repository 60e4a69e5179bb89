// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MousecfgWidget.h"
#include "app/VirtualDeviceNotifier.h"
#include "app/WindowSetup.h"
#include "hid/AccessDiagnosis.h"
#include "hid/DeviceLink.h"
#include "hid/DeviceServices.h"
#include "platform/PlatformServices.h"
#include "platform/fake/FakeOnScreenDisplay.h"
#include "platform/fake/FakePointerSpeed.h"
#include "platform/fake/FakeProgramLauncher.h"
#include "sim/VirtualMouse.h"
#include "support/DeniedBackend.h"
#include "support/TempAppDir.h"
#include "widgets/OakMessageBox.h"
#include "widgets/UiSettings.h"

#include <QtTest>

namespace {

QVector<QByteArray> receiverPaths(VirtualMouse& mouse)
{
    QVector<QByteArray> paths;
    for (const HidDeviceInfo& info : mouse.interfaces(VirtualIdentity::Receiver))
        paths.append(info.path);
    return paths;
}

OakMessageBox* shownMessageBox(QWidget& window)
{
    for (OakMessageBox* box : window.findChildren<OakMessageBox*>()) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}

// The main window on a virtual mouse whose nodes this user may not open.
struct DeniedWindow
{
    explicit DeniedWindow(const VirtualMouseOptions& options)
        : mouse(std::make_shared<VirtualMouse>(options)),
          devices(std::make_shared<DeniedBackend>(mouse), mouse->clock()),
          setup{dir.paths(), devices, ui, platform, std::make_unique<VirtualDeviceNotifier>(*mouse), nullptr}
    {
        platform.pointerSpeed = std::make_unique<FakePointerSpeed>(std::nullopt);
        platform.launcher = std::make_unique<FakeProgramLauncher>();
        platform.onScreenDisplay = std::make_unique<FakeOnScreenDisplay>();
    }

    void checkDiagnosis(const OakMessageBox& box) const
    {
        const QByteArray vendorPath = receiverPaths(*mouse).value(0);
        QVERIFY2(box.text().contains(QString::fromLatin1(vendorPath)), qPrintable(box.text()));
        QVERIFY(box.text().contains(QLatin1String(AccessDiagnosis::kFixCommand)));
        QVERIFY(!box.text().contains(QStringLiteral("Dongle Disconnect!")));
    }

    TempAppDir dir;
    std::shared_ptr<VirtualMouse> mouse;
    DeviceServices devices;
    UiSettings ui;
    PlatformServices platform;
    WindowSetup setup;
};

} // namespace

// A mouse whose device nodes this user may not open is told apart from an
// absent one, with the nodes and the way to fix it.
class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    void refusedOpenNamesTheNodesAndTheFix()
    {
        auto mouse = std::make_shared<VirtualMouse>();
        auto backend = std::make_shared<DeniedBackend>(mouse);
        DeviceLink link(backend, mouse->clock());
        link.reset(QStringLiteral("M"));
        QCOMPARE(link.scan(), 0);
        link.open(QStringLiteral("M"));

        QVERIFY(!link.vendorHandle());
        QVector<QByteArray> denied = link.deniedPaths();
        QVector<QByteArray> expected = receiverPaths(*mouse);
        std::sort(denied.begin(), denied.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(denied, expected);

        const QString text = AccessDiagnosis::message(link.deniedPaths());
        for (const QByteArray& path : expected)
            QVERIFY2(text.contains(QString::fromLatin1(path)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("udev rule is missing or not yet applied")));
        QVERIFY(text.contains(QLatin1String(AccessDiagnosis::kFixCommand)));
        QVERIFY(text.contains(QLatin1String(AccessDiagnosis::kRuleFile)));

        // Once the rule applies, the next open works and the diagnosis goes.
        backend->grantAccess();
        link.open(QStringLiteral("M"));
        QVERIFY(link.vendorHandle());
        QVERIFY(link.deniedPaths().isEmpty());
        QVERIFY(AccessDiagnosis::message(link.deniedPaths()).isEmpty());
    }

    void absentMouseIsNoAccessProblem()
    {
        VirtualMouseOptions options;
        options.receiverPlugged = false;
        auto mouse = std::make_shared<VirtualMouse>(options);
        DeviceLink link(std::make_shared<DeniedBackend>(mouse), mouse->clock());
        link.reset(QStringLiteral("M"));
        link.scan();
        link.open(QStringLiteral("M"));
        QVERIFY(link.deniedPaths().isEmpty());
    }

    void windowShowsTheDiagnosisInsteadOfTheDisconnectWarning()
    {
        DeniedWindow rig(VirtualMouseOptions{});
        MousecfgWidget window(rig.setup);
        QTRY_VERIFY(shownMessageBox(window));
        rig.checkDiagnosis(*shownMessageBox(window));
    }

    void windowDiagnosesAMousePluggedInLater()
    {
        VirtualMouseOptions unplugged;
        unplugged.receiverPlugged = false;
        DeniedWindow rig(unplugged);
        MousecfgWidget window(rig.setup);
        QTRY_VERIFY(shownMessageBox(window));
        QCOMPARE(shownMessageBox(window)->text(), QStringLiteral("Dongle Disconnect!"));

        rig.mouse->plug(VirtualIdentity::Receiver);
        QTRY_VERIFY(shownMessageBox(window) &&
                    shownMessageBox(window)->text() != QStringLiteral("Dongle Disconnect!"));
        rig.checkDiagnosis(*shownMessageBox(window));
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
