// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessTest.h"

#include "app/ProfileOperations.h"
#include "storage/AppConfig.h"
#include "storage/FileStore.h"
#include "storage/IniReader.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileSet.h"
#include "storage/ProfileWorkspace.h"
#include "support/UserInput.h"
#include "support/WindowRig.h"
#include "widgets/OakPushButton.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

namespace {

constexpr quint8 kMarkedRate = 4; // what tells the user's profile apart

QByteArray onDisk(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(source, target);
    }
}

// The window on its own files, with "Gaming" (report-rate code 4) stored,
// listed and applied to the first slot.
struct GamingRig
{
    GamingRig()
    {
        rig.open();
        rig.window().show();
        ProfileData gaming = rig.workspace().current();
        gaming.pollrate = kMarkedRate;
        const ProfileFiles files(rig.paths(), rig.workspace().modelName());
        (void)ProfileFiles(rig.paths(), rig.workspace().modelName()).saveNamedProfile(gaming, "Gaming");
        auto* ops = rig.find<ProfileOperations>(QStringLiteral("profileOperations"));
        QStringList library = AppConfig(rig.paths()).profileList(rig.workspace().modelName());
        if (library.isEmpty())
            library = QStringList{"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        (void)AppConfig(rig.paths()).writeProfileList(rig.workspace().modelName(), library << "Gaming");
        ops->reloadLibrary();
        ops->choose(QStringLiteral("Gaming"));
        UserInput::click(rig.find<QWidget>(QStringLiteral("applyButton")));
        QTRY_COMPARE(rig.workspace().saved().profileNames[0], QStringLiteral("Gaming"));
        rig.flushFiles();
    }
    QLineEdit* nameEditor() { return rig.find<QLineEdit>(QStringLiteral("profileNameEditor")); }
    void rename(const QString& name)
    {
        nameEditor()->clear();
        UserInput::type(nameEditor(), name);
        UserInput::key(nameEditor(), Qt::Key_Return);
    }

    WindowRig rig;
};

// What a start finds in a folder: every slot and library name has its
// file, and (unless the user deleted it) the user's profile lives in one.
void verifyNothingLost(const QString& configDir, bool deleted)
{
    TempAppDir next;
    copyTree(configDir, next.paths().configDir());
    const AppPaths paths = next.paths();
    const QString model = AppConfig(paths).profileModelName();
    const ProfileFiles files(paths, model);
    ProfileSet set;
    AppConfig(paths).readSetConfig(set);
    QStringList named = AppConfig(paths).profileList(model);
    for (const QString& slot : set.profileNames)
        named << slot;
    bool gamingFound = false;
    for (const QString& name : named) {
        QVERIFY2(files.exists(name), qPrintable(QStringLiteral("no file for %1").arg(name)));
        ProfileData profile;
        files.loadNamedProfile(profile, name);
        gamingFound = gamingFound || profile.pollrate == kMarkedRate;
    }
    QVERIFY2(gamingFound || deleted, "the user's profile is in no slot and not in the library");
}

QString program(const QString& name)
{
    return TempAppDir::executable(name);
}

} // namespace

void ProcessTest::fullDiskIsToldOnceAndLosesNothing()
{
    WindowRig rig;
    rig.open();
    const ProfileFiles files(rig.paths(), rig.workspace().modelName());
    const QString profile = files.profilePath(rig.workspace().slotName(0));
    const QByteArray before = onDisk(profile);
    std::atomic<bool> full{true};
    rig.paths().store().setSink([&full](const QString& path, const QByteArray& bytes, QString* error) {
        if (full) {
            *error = QStringLiteral("No space left on device");
            return false;
        }
        return FileStore::atomicSink()(path, bytes, error);
    });
    for (int press = 0; press < 3; ++press) {
        rig.mouse().pressDpiButton();
        QTRY_COMPARE(int(rig.workspace().saved().current().dpi), int(rig.mouse().state().dpiStage));
    }
    rig.paths().store().flushSoon();
    QTRY_COMPARE(rig.prompts().told.size(), 1);
    QVERIFY(rig.prompts().told.first().contains(QStringLiteral("No space left on device")));
    QCOMPARE(onDisk(profile), before);
    // The disk has room again: what waited is written.
    full = false;
    rig.flushFiles();
    QCOMPARE(IniReader(profile).value(QStringLiteral("PROFILE/dpi")).toInt(),
             int(rig.mouse().state().dpiStage));
    QCOMPARE(rig.prompts().told.size(), 1);
    rig.close();
}

void ProcessTest::anEndAtAnyStepKeepsEveryProfileAndName_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("steps");
    for (const char* operation : {"rename", "delete", "add"})
        for (int steps = 0; steps <= 5; ++steps)
            QTest::addRow("%s after %d steps", operation, steps) << QString::fromLatin1(operation) << steps;
}

// The writer stops dead after a number of steps, as the end of the process
// would leave the disk; a start on what it left finds every name's file.
void ProcessTest::anEndAtAnyStepKeepsEveryProfileAndName()
{
    QFETCH(QString, operation);
    QFETCH(int, steps);
    GamingRig g;
    g.rig.paths().store().stopAfterSteps(steps);
    if (operation == QLatin1String("rename")) {
        g.rename(QStringLiteral("Renamed"));
    } else if (operation == QLatin1String("delete")) {
        QVERIFY(UserInput::click(g.rig.find<OakPushButton>(QStringLiteral("deleteButton"))));
    } else {
        QVERIFY(UserInput::click(g.rig.find<OakPushButton>(QStringLiteral("addButton"))));
    }
    g.rig.flushFiles();
    verifyNothingLost(g.rig.paths().configDir(), operation == QLatin1String("delete"));
}

// The tool applies while the window renames the profile it sends: each
// round ends with the new name in the slot, the library and a file.
void ProcessTest::windowAndCommandLineLoseNothingOfEachOther()
{
    GamingRig g;
    const AppPaths paths = g.rig.paths();
    const QString model = g.rig.workspace().modelName();
    for (int round = 1; round <= 8; ++round) {
        QProcess tool;
        tool.start(program(QStringLiteral("mousecfgctl")),
                   {QStringLiteral("--app-dir"), g.rig.dir().path(), QStringLiteral("--virtual"),
                    QStringLiteral("apply")});
        QVERIFY(tool.waitForStarted());
        const QString name = QStringLiteral("Round %1").arg(round);
        g.rename(name);
        g.rig.paths().store().flushSoon(); // written while the tool works, as on a replug
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        g.rig.flushFiles();
        ProfileSet set;
        AppConfig(paths).readSetConfig(set);
        QCOMPARE(set.profileNames[0], name);
        const QStringList library = AppConfig(paths).profileList(model);
        QVERIFY(library.contains(name));
        QCOMPARE(library.count(QStringLiteral("Round %1").arg(round - 1)), 0);
        ProfileData stored;
        QVERIFY(ProfileFiles(paths, model).loadNamedProfile(stored, name).isEmpty());
        QCOMPARE(stored.pollrate, kMarkedRate);
    }
}

// A section name of 200,000 characters over 30,000 keys (12 GB to read as
// keys that copy it), and 63 MB of junk keys: refused, the program goes on.
void ProcessTest::hostileProfilesAreRefusedInBoundedMemory()
{
    TempAppDir app;
    const AppPaths paths = app.paths();
    const QString model = AppConfig(paths).profileModelName();
    QByteArray section = "[" + QByteArray(200000, 's') + "]\n";
    for (int i = 0; i < 30000; ++i)
        section += "k" + QByteArray::number(i) + "=1\n";
    const ProfileFiles files(paths, model);
    app.writeFile(QDir(app.path()).relativeFilePath(files.profilePath(QStringLiteral("Profile 2"))), section);
    QByteArray junk;
    junk.reserve(64 * 1024 * 1024);
    while (junk.size() < 63 * 1024 * 1024)
        junk += "[PROFILE]\njunk" + QByteArray::number(junk.size()) + "=" + QByteArray(200, 'j') + "\n";
    app.writeFile(QDir(app.path()).relativeFilePath(files.profilePath(QStringLiteral("Profile 3"))), junk);
    junk.clear();

    // 256 MB of data at most: the 12 GB read would end the process. (The
    // address sanitizer maps terabytes of its own, so under it the limit
    // cannot be set; the refusal is still checked.)
#if defined(__SANITIZE_ADDRESS__)
    const QString limit;
#else
    const QString limit = QStringLiteral("ulimit -d 262144 && ");
#endif
    QProcess tool;
    tool.start(QStringLiteral("/bin/sh"),
               {QStringLiteral("-c"), limit + QStringLiteral("exec \"$0\" --app-dir \"$1\" show"),
                program(QStringLiteral("mousecfgctl")), app.path()});
    QVERIFY(tool.waitForFinished(60000));
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 65);
    QVERIFY2(errors.contains(QStringLiteral("Profile 2.prof")) &&
                 errors.contains(QStringLiteral("Profile 3.prof")),
             qPrintable(errors));
}

// On a disk with no room left the tool says so and exits 73, and the
// configuration is as it was: nothing emptied, nothing half written.
void ProcessTest::fullDiskFailsTheCommandLine()
{
    QTemporaryDir mountPoint;
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=2m"), QStringLiteral("tmpfs"), mountPoint.path()});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        QSKIP("a small file system cannot be mounted here (it needs root)");
    const auto unmount =
        qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {mountPoint.path()}); });
    TempAppDir source;
    copyTree(source.path(), mountPoint.path());
    const QString config = mountPoint.path() + QStringLiteral("/Configs/Config.ini");
    const QByteArray before = onDisk(config);
    QVERIFY(!before.isEmpty());
    QFile filler(mountPoint.path() + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    QProcess tool;
    tool.start(program(QStringLiteral("mousecfgctl")),
               {QStringLiteral("--app-dir"), mountPoint.path(), QStringLiteral("--virtual"),
                QStringLiteral("select-profile"), QStringLiteral("3")});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 73);
    QCOMPARE(onDisk(config), before);
}
