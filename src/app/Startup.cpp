// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/MousecfgWidget.h"
#include "app/StartupOptions.h"
#include "app/VirtualDeviceNotifier.h"
#include "app/VirtualMouseMenu.h"
#include "device/LogVerbosity.h"
#include "platform/DeviceNotifier.h"
#include "platform/EarlyCommandLine.h"
#include "platform/InstanceLock.h"
#include "platform/PlatformServices.h"
#include "sim/DeviceSetup.h"
#include "sim/VirtualMouse.h"
#include "storage/AppPaths.h"
#include "storage/ConfigSeeding.h"
#include "storage/ProductDescription.h"
#include "widgets/UiSettings.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <memory>

namespace {

Q_LOGGING_CATEGORY(lcStartup, "mousecfg.startup")

void setHighDpiPolicy()
{
    // These take effect only before the application object exists.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

} // namespace

int runMousecfg(int argc, char* argv[])
{
    // Before the application object, which needs a display.
    const int answered = answerHelpOrVersion(argc, argv, StartupOptions::declare);
    if (answered >= 0)
        return answered;
    setHighDpiPolicy();
    QApplication app(argc, argv);
    // The window lives in the tray; closing it must not end the program.
    app.setQuitOnLastWindowClosed(false);
    const StartupOptions options = StartupOptions::parse(QCoreApplication::arguments());
    LogVerbosity::apply(options.verbose);
    const AppPaths paths(options.appDir.isEmpty()
                             ? AppPaths::forExecutable(QCoreApplication::applicationDirPath())
                             : AppPaths(options.appDir));
    // A failed seeding leaves defaults to read; saves then say what failed.
    (void)ConfigSeeding::seedIfFirstStart(paths);

    const QString productName = ProductDescription(paths.productDescriptionFile()).productName();
    std::unique_ptr<InstanceLock> lock = createInstanceLock();
    if (!lock->tryAcquire(instanceLockName(productName)))
        return 1;

    DeviceOptions deviceOptions;
    deviceOptions.virtualMouse = options.virtualMouse;
    deviceOptions.virtualOptions = VirtualMouseOptions::demo();
    DeviceSetup devices = createDeviceSetup(deviceOptions);
    PlatformServices platform = PlatformServices::forThisSystem(paths.appDir());
    UiSettings ui;
    WindowSetup setup{paths, *devices.services, ui, platform, nullptr, nullptr};
    if (devices.virtualMouse) {
        setup.notifier = std::make_unique<VirtualDeviceNotifier>(*devices.virtualMouse);
        setup.extraTrayMenu = createVirtualMouseMenu(*devices.virtualMouse);
    } else {
        setup.notifier = createDeviceNotifier();
    }

    auto window = std::make_unique<MousecfgWidget>(setup);
    if (window->presentModelCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    window->setWindowIcon(QIcon(paths.skinFile(QStringLiteral("icon.ico"))));
    window->setWindowTitle(productName);
    qCDebug(lcStartup, "data in %s, configuration in %s", qPrintable(paths.appDir()),
            qPrintable(paths.configDir()));
    // The one line a normal start prints; scripts and tests wait for it.
    qInfo("mousecfg: running for \"%s\"", qPrintable(productName));
    const int code = app.exec();
    window.reset();
    return code;
}
