// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/ConfigurationReport.h"
#include "cli/Console.h"
#include "device/ApplyRun.h"
#include "device/ConfigurationDownload.h"
#include "device/DeviceState.h"
#include "device/OakGetBatteryThread.h"
#include "device/StatusSync.h"
#include "hid/AccessDiagnosis.h"
#include "hid/DeviceLink.h"
#include "hid/ModelIds.h"
#include "platform/PointerSpeed.h"
#include "protocol/SensorTables.h"
#include "storage/AppConfig.h"
#include "storage/FileStore.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSetStore.h"
#include "storage/ProfileWorkspace.h"

#include <QDebug>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace CliCommands {
namespace {

void printJson(const QJsonValue& value)
{
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    Console::raw(document.toJson(QJsonDocument::Indented));
}

// No vendor interface could be opened: either there is no mouse, or it is
// there and this user may not open it, which has a fix to tell.
int noDevice(CliSession& session)
{
    const QString denied = AccessDiagnosis::message(session.link().deniedPaths());
    if (!denied.isEmpty()) {
        Console::error(denied);
        return ExitNoPermission;
    }
    Console::error(QStringLiteral("no mouse found"));
    return ExitNoDevice;
}

bool configurationReadable(const AppPaths& paths)
{
    const QFileInfo file(paths.configFile());
    if (file.isFile() && file.isReadable())
        return true;
    Console::error(QStringLiteral("cannot read the configuration %1").arg(paths.configFile()));
    return false;
}

QString identityName(const HidDeviceInfo& device)
{
    if (device.vendorId != kModelVendorId)
        return QString();
    if (device.productId == kModelReceiverProductId)
        return QStringLiteral("receiver");
    if (device.productId == kModelCableProductId)
        return QStringLiteral("cable");
    return QString();
}

QString kindName(const HidDeviceInfo& device)
{
    if (device.usagePage == 0x0001 && device.usage == 0x0002)
        return QStringLiteral("pointer");
    if (device.usagePage == 0xFF00 && device.usage == 0xFF00)
        return QStringLiteral("vendor");
    return QString();
}

// The selected profile's pointer speed becomes the desktop's, as on a profile
// switch in the window. A virtual mouse leaves the desktop alone: trials and
// tests must not change the user's pointer. A speed outside 1 to 20 (a
// profile written without one reads 0) is not applied either: it would make
// the pointer crawl; nor is the speed of a slot whose file cannot be read.
void applyPointerSpeed(CliSession& session, const ProfileWorkspace& workspace, const StatusChange& change)
{
    const int speed = change.pointerSpeed.value_or(0);
    if (!workspace.unreadableFiles().isEmpty() || speed < PointerSpeed::kMinimum ||
        speed > PointerSpeed::kMaximum) {
        qDebug("pointer speed of profile %d not applied: %d is not a stored speed",
               workspace.currentSlot() + 1, speed);
        return;
    }
    if (session.virtualMouse()) {
        qDebug("pointer speed %d left to the desktop: virtual mouse", speed);
        return;
    }
    if (!createPointerSpeed()->applyPointerSpeed(speed))
        qDebug("pointer speed %d not applied: the desktop offers no pointer speed setting", speed);
}

} // namespace

int devices(CliSession& session, const CliOptions& options)
{
    if (!session.backend().init()) {
        Console::error(QStringLiteral("the HID library cannot be used"));
        return ExitNoDevice;
    }
    QJsonArray list;
    for (const HidDeviceInfo& device : session.backend().enumerate(0, 0)) {
        const QString identity = identityName(device);
        const QString kind = kindName(device);
        if (identity.isEmpty() || kind.isEmpty())
            continue;
        const QString release = QStringLiteral("0x%1").arg(device.releaseNumber, 4, 16, QLatin1Char('0'));
        if (!options.json)
            Console::line(QStringLiteral("%1\t%2\t%3\t%4")
                              .arg(identity, kind, QString::fromLocal8Bit(device.path), release));
        list.append(QJsonObject{{QStringLiteral("identity"), identity},
                                {QStringLiteral("kind"), kind},
                                {QStringLiteral("path"), QString::fromLocal8Bit(device.path)},
                                {QStringLiteral("release"), device.releaseNumber}});
    }
    if (options.json)
        printJson(list);
    if (list.isEmpty())
        return noDevice(session);
    // Listing needs no access to the nodes, using the mouse does: say so now
    // rather than at the first command that talks to it.
    if (!session.open() && !session.link().deniedPaths().isEmpty())
        return noDevice(session);
    return ExitOk;
}

int status(CliSession& session, const CliOptions& options)
{
    if (!session.open())
        return noDevice(session);
    OakGetBatteryThread poll(session.link());
    QJsonObject reply;
    QObject::connect(&poll, &OakGetBatteryThread::RefreshBatteryStatus,
                     [&](quint8, quint8 level, quint8 extra) {
                         reply.insert(QStringLiteral("battery"), level);
                         reply.insert(QStringLiteral("batteryExtra"), extra);
                     });
    QObject::connect(&poll, &OakGetBatteryThread::RefreshStatus,
                     [&](quint8, quint8 stage, quint8 rate, quint8) {
                         reply.insert(QStringLiteral("dpiStage"), stage);
                         reply.insert(QStringLiteral("reportRate"), rate);
                     });
    poll.runCycle(); // the first cycle asks the mouse
    if (!reply.contains(QStringLiteral("battery"))) {
        Console::error(QStringLiteral("the mouse did not answer the status query"));
        return ExitNoReply;
    }
    if (options.json) {
        reply.insert(QStringLiteral("reportRateHz"),
                     ConfigurationReport::reportRateHz(reply.value("reportRate").toInt()));
        printJson(reply);
        return ExitOk;
    }
    const int level = reply.value(QStringLiteral("battery")).toInt();
    Console::line(level == 0 ? QStringLiteral("battery: mouse off")
                             : QStringLiteral("battery: %1").arg(level));
    Console::line(QStringLiteral("DPI stage: %1").arg(reply.value(QStringLiteral("dpiStage")).toInt() + 1));
    Console::line(
        QStringLiteral("report rate: %1")
            .arg(ConfigurationReport::reportRateText(reply.value(QStringLiteral("reportRate")).toInt())));
    return ExitOk;
}

int apply(CliSession& session, const CliOptions&)
{
    const AppPaths& paths = session.paths();
    if (!configurationReadable(paths))
        return ExitNoInput;
    // From reading the set to saving it, no other process writes between:
    // a rename in the window waits and then lands on what this saved.
    const FileStore::Hold hold(paths.store());
    AppConfig config(paths);
    ApplyJob job;
    job.paths = paths;
    job.modelName = config.profileModelName();
    // A slot that did not load would go out as an all-zero profile.
    ProfileSetStore store(paths, job.modelName);
    const QStringList unreadable = store.loadSet(job.working);
    if (!unreadable.isEmpty()) {
        Console::error(ProfileSetStore::unreadableMessage(unreadable) + QStringLiteral(" Nothing was sent."));
        return ExitSlotUnreadable;
    }
    const StorageResult created = store.createMissingProfiles(job.working);
    if (!created.isOk()) {
        Console::error(created.errorMessage() + QStringLiteral(" Nothing was sent."));
        return ExitSaveFailed;
    }
    job.previous = job.working;
    job.model = ModelDescription::read(paths, job.modelName);
    if (!session.open())
        return noDevice(session);
    DeviceState deviceState;
    ConfigurationDownload download(session.link(), deviceState, paths, SensorTables::shipped());
    const ApplyOutcome outcome = runApply(download, job);
    const quint8 result = outcome.result;
    if (!outcome.saved.isOk())
        Console::error(outcome.saved.errorMessage());
    if (result != 0) {
        Console::error(
            QStringLiteral("Send data failed, please try again. (transfer result %1)").arg(result));
        return result;
    }
    return outcome.saved.isOk() ? ExitOk : ExitSaveFailed;
}

int selectProfile(CliSession& session, const CliOptions& options)
{
    bool isNumber = false;
    const int slot = options.arguments.value(0).toInt(&isNumber);
    if (!isNumber || slot < 1 || slot > ProfileSet::kProfiles) {
        Console::error(
            QStringLiteral("select-profile needs a profile number from 1 to %1").arg(ProfileSet::kProfiles));
        return ExitUsage;
    }
    if (!session.open())
        return noDevice(session);
    DeviceCommands commands(session.link(), SensorTables::shipped());
    const quint8 result = commands.switchProfile(slot - 1);
    if (result != 0) {
        Console::error(QStringLiteral("the profile switch failed (transfer result %1)").arg(result));
        return result;
    }
    // The stored current profile follows the mouse, as in the window.
    const FileStore::Hold hold(session.paths().store());
    ProfileWorkspace workspace(session.paths());
    workspace.setModelName(AppConfig(session.paths()).profileModelName());
    const StorageResult loaded = workspace.load();
    if (!loaded.isOk())
        qDebug().noquote() << loaded.errorMessage();
    const StatusChange change = StatusSync(workspace).takeSlot(slot - 1);
    applyPointerSpeed(session, workspace, change);
    if (change.written.isOk())
        return ExitOk;
    Console::error(change.written.errorMessage());
    return ExitSaveFailed;
}

int show(CliSession& session, const CliOptions& options)
{
    if (!configurationReadable(session.paths()))
        return ExitNoInput;
    const ConfigurationReport report(session.paths());
    if (options.json)
        printJson(report.toJson());
    else
        Console::raw(report.toText().toUtf8());
    if (report.unreadableFiles().isEmpty())
        return ExitOk;
    Console::error(ProfileSetStore::unreadableMessage(report.unreadableFiles()));
    return ExitSlotUnreadable;
}

} // namespace CliCommands
