// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreTest.h"

#include "storage/AppConfig.h"
#include "storage/FileStore.h"
#include "storage/IniReader.h"
#include "support/TempAppDir.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>

namespace {

// The disk as a test sees it: every whole-file write, in order, and a
// switch that makes the disk refuse them.
struct RecordingDisk
{
    QStringList written;
    std::atomic<bool> full{false};
    std::atomic<int> attempts{0};

    FileStore::Sink sink()
    {
        return [this](const QString& path, const QByteArray& bytes, QString* error) {
            ++attempts;
            if (full) {
                *error = QStringLiteral("No space left on device");
                return false;
            }
            written.append(QFileInfo(path).fileName());
            return FileStore::atomicSink()(path, bytes, error);
        };
    }
};

QByteArray onDisk(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void StoreTest::writesBehindAreCoalescedAndReadAtOnce()
{
    RecordingDisk disk; // outlives the store's writer
    TempAppDir app;
    FileStore& store = app.paths().store();
    store.setSink(disk.sink());
    store.setWriteBehind(60000);
    AppConfig config(app.paths());
    for (int level = 1; level <= 100; ++level)
        QVERIFY(config.setBattery(level).isOk());
    QCOMPARE(config.battery(), 100); // seen at once
    QVERIFY(disk.written.isEmpty()); // and not written yet
    QVERIFY(store.flush().isOk());
    QCOMPARE(disk.written, QStringList{QStringLiteral("Config.ini")});
    QCOMPARE(IniReader(app.paths().configFile()).value(QStringLiteral("Config/Battery")).toInt(), 100);
    store.setWriteBehind(0);
}

// A value set many times while its file waits (the mouse's stage, the
// battery) costs one edit, not one per report; an edit of the file between
// two settings keeps both, since the later may rely on the earlier.
void StoreTest::aLaterSettingTakesTheWaitingOnesPlace()
{
    TempAppDir app;
    FileStore& store = app.paths().store();
    store.setWriteBehind(60000);
    const QString path = app.path() + QStringLiteral("/values.txt");
    int runs = 0;
    const auto setting = [&runs](const QByteArray& value) {
        return [&runs, value](const QByteArray&) {
            ++runs;
            return value;
        };
    };
    for (int n = 1; n <= 50; ++n)
        QVERIFY(store.set(path, QStringLiteral("value"), setting(QByteArray::number(n))).isOk());
    QCOMPARE(store.read(path, 100), QByteArray("50"));
    QCOMPARE(runs, 1);

    QVERIFY(store.set(path, QStringLiteral("value"), setting("before")).isOk());
    QVERIFY(store.edit(path, [](const QByteArray& current) { return current + "+edit"; }).isOk());
    QVERIFY(store.set(path, QStringLiteral("other"), setting("other")).isOk());
    QVERIFY(store.set(path, QStringLiteral("value"), setting("after")).isOk());
    QCOMPARE(store.read(path, 100), QByteArray("after"));
    QCOMPARE(runs, 4);
    QVERIFY(store.flush().isOk());
    QCOMPARE(onDisk(path), QByteArray("after"));
}

void StoreTest::stepsReachTheDiskInTheirOrder()
{
    RecordingDisk disk; // outlives the store's writer
    TempAppDir app;
    FileStore& store = app.paths().store();
    store.setSink(disk.sink());
    store.setWriteBehind(60000);
    const QString dir = app.paths().configDir();
    const auto keys = [](const char* text) { return [text](const QByteArray&) { return QByteArray(text); }; };
    QVERIFY(store.edit(dir + QStringLiteral("/a.prof"), keys("[PROFILE]\ndpi=1\n")).isOk());
    QVERIFY(store.edit(dir + QStringLiteral("/names.ini"), keys("[Config]\nProfile1=b\n")).isOk());
    QVERIFY(store.copy(dir + QStringLiteral("/a.prof"), dir + QStringLiteral("/b.prof")).isOk());
    QVERIFY(store.edit(dir + QStringLiteral("/a.prof"), keys("[PROFILE]\ndpi=2\n")).isOk());
    QVERIFY(store.remove(dir + QStringLiteral("/a.prof")).isOk());
    QVERIFY(store.exists(dir + QStringLiteral("/b.prof"))); // waits for the copy
    QVERIFY(store.flush().isOk());
    QCOMPARE(disk.written,
             (QStringList{QStringLiteral("a.prof"), QStringLiteral("names.ini"), QStringLiteral("a.prof")}));
    QCOMPARE(onDisk(dir + QStringLiteral("/b.prof")), QByteArray("[PROFILE]\ndpi=1\n"));
    QVERIFY(!QFileInfo::exists(dir + QStringLiteral("/a.prof")));
    store.setWriteBehind(0);
}

void StoreTest::unchangedTextIsNotWritten()
{
    RecordingDisk disk;
    TempAppDir app;
    app.paths().store().setSink(disk.sink());
    AppConfig config(app.paths());
    QVERIFY(config.setProfileId(3).isOk());
    QVERIFY(config.setProfileId(3).isOk());
    QVERIFY(config.setProfileId(3).isOk());
    QCOMPARE(disk.written.size(), 1);
}

void StoreTest::failedWritesStayQueuedAndAreToldOnce()
{
    RecordingDisk disk; // outlives the store's writer
    TempAppDir app;
    FileStore& store = app.paths().store();
    store.setSink(disk.sink());
    AppConfig config(app.paths());
    QVERIFY(config.setProfileId(1).isOk());
    const QByteArray before = onDisk(app.paths().configFile());
    store.setWriteBehind(20);
    QSignalSpy told(&store, &FileStore::writeFailed);
    disk.full = true;
    for (int level = 1; level <= 5; ++level)
        QVERIFY(config.setBattery(level).isOk());
    // The writer tries again every interval, and tells of it once.
    QTRY_VERIFY(disk.attempts >= 4);
    QTRY_COMPARE(told.count(), 1);
    QVERIFY(told.first().at(1).toString().contains(QStringLiteral("No space left on device")));
    QCOMPARE(onDisk(app.paths().configFile()), before); // the old file, whole
    QCOMPARE(config.battery(), 5);                      // kept in memory

    // Whoever waits for the writes hears of the failure from flush().
    QVERIFY(!store.flush().isOk());
    disk.full = false;
    QVERIFY(store.flush().isOk());
    QCOMPARE(IniReader(app.paths().configFile()).value(QStringLiteral("Config/Battery")).toInt(), 5);
    QCOMPARE(told.count(), 1);
    store.setWriteBehind(0);
}

// Two stores of one folder stand for two processes: while one holds the
// folder's lock for a read-modify-write, the other's writer waits.
void StoreTest::aHeldLockKeepsTheOtherWriterOut()
{
    TempAppDir app;
    const AppPaths other(app.path()); // a store of its own, as in another process
    QVERIFY(AppConfig(app.paths()).setProfileId(1).isOk());
    auto hold = std::make_unique<FileStore::Hold>(other.store());
    QVERIFY(hold->isHeld());
    FileStore& store = app.paths().store();
    store.setWriteBehind(10);
    QVERIFY(AppConfig(app.paths()).setProfileId(2).isOk());
    store.flushSoon();
    // The writer is held up at the lock: the file still says 1.
    QTRY_VERIFY(store.hasPending());
    QCOMPARE(IniReader(app.paths().configFile()).value(QStringLiteral("Config/ProfileID")).toInt(), 1);
    QVERIFY(!QTest::qWaitFor([&] { return !store.hasPending(); }, 300));
    hold.reset();
    QVERIFY(store.flush().isOk());
    QCOMPARE(IniReader(app.paths().configFile()).value(QStringLiteral("Config/ProfileID")).toInt(), 2);
    store.setWriteBehind(0);
}

// A store keeps what it read, and still sees what another process wrote
// since; its own queued writes stay on top.
void StoreTest::readsFollowWhatOthersWrite()
{
    TempAppDir app;
    const AppPaths other(app.path());
    AppConfig ours(app.paths());
    QVERIFY(ours.setProfileId(1).isOk());
    QCOMPARE(ours.profileId(), 1);
    // (Each write changes the file's size: two writes within one
    // millisecond could otherwise look alike to the cache.)
    QVERIFY(AppConfig(other).setProfileId(13).isOk());
    QCOMPARE(ours.profileId(), 13);
    app.paths().store().setWriteBehind(60000);
    QVERIFY(ours.setBattery(42).isOk());
    QVERIFY(AppConfig(other).setProfileId(4).isOk());
    QCOMPARE(ours.profileId(), 4);
    QCOMPARE(ours.battery(), 42);
    QVERIFY(app.paths().store().flush().isOk());
    QCOMPARE(AppConfig(other).battery(), 42);
    QCOMPARE(AppConfig(other).profileId(), 4);
    app.paths().store().setWriteBehind(0);

    // What the store wrote or read last is no change; another writer's is,
    // for a large file of which the store keeps no text too.
    FileStore& store = app.paths().store();
    const QString small = app.paths().configFile();
    const QString large = app.path() + QStringLiteral("/large.txt");
    QVERIFY(store.changedElsewhere(large)); // never seen
    QVERIFY(store.edit(large, [](const QByteArray&) { return QByteArray(200000, 'a'); }).isOk());
    QCOMPARE(store.read(small, 100000).isEmpty(), false);
    QVERIFY(!store.changedElsewhere(small));
    QVERIFY(!store.changedElsewhere(large));
    QVERIFY(FileStore().edit(large, [](const QByteArray&) { return QByteArray(200001, 'b'); }).isOk());
    QVERIFY(AppConfig(other).setProfileId(40).isOk());
    QVERIFY(store.changedElsewhere(large));
    QVERIFY(store.changedElsewhere(small));
    QCOMPARE(store.read(large, 300000).size(), 200001);
    QVERIFY(!store.changedElsewhere(large));
}
