// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryTest.h"

#include "OperationsRig.h"

#include "storage/ConfigurationFile.h"
#include "storage/IniReader.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void LibraryTest::addAndCopyMakeFreshNames()
{
    OperationsRig t;
    t.storeProfile(QStringLiteral("Gaming"), 7);
    t.setLibrary({QStringLiteral("Profile 1"), QStringLiteral("Profile 2"), QStringLiteral("Profile 3"),
                  QStringLiteral("Gaming"), QStringLiteral("Profile 4")});
    // Without their files, "Profile 4" is still listed and "Profile 5" still
    // held by a slot.
    QVERIFY(QFile::remove(t.profilePath(QStringLiteral("Profile 4"))));
    QVERIFY(QFile::remove(t.profilePath(QStringLiteral("Profile 5"))));

    QSignalSpy names(t.ops.get(), &ProfileOperations::currentNameChanged);
    t.ops->add();
    // The first name neither stored, listed nor held is "Profile 6".
    QCOMPARE(names.last().at(0).toString(), QStringLiteral("Profile 6"));
    QCOMPARE(contents(t.profilePath(QStringLiteral("Profile 6"))), contents(t.files().defaultProfilePath()));
    QCOMPARE(t.storedLibrary().last(), QStringLiteral("Profile 6"));
    QCOMPARE(t.workspace().slotName(0), QStringLiteral("Profile 6"));

    t.ops->choose(QStringLiteral("Gaming"));
    QCOMPARE(int(t.workspace().current().pollrate), 7);
    t.ops->copy();
    t.ops->choose(QStringLiteral("Gaming"));
    t.ops->copy();
    QCOMPARE(t.workspace().slotName(0), QStringLiteral("Gaming copy 2"));
    t.rig.flushFiles();
    QVERIFY(QFile::exists(t.profilePath(QStringLiteral("Gaming copy"))));
    QCOMPARE(contents(t.profilePath(QStringLiteral("Gaming copy 2"))), contents(t.profilePath("Gaming")));
    QCOMPARE(t.storedLibrary().mid(t.storedLibrary().size() - 2),
             QStringList({QStringLiteral("Gaming copy"), QStringLiteral("Gaming copy 2")}));
    QVERIFY(t.prompts.shown().isEmpty());
}

void LibraryTest::deletePicksSuccessor()
{
    OperationsRig t;
    for (const char* name : {"A", "B", "C"})
        t.storeProfile(QLatin1String(name), 1);
    t.setLibrary({QStringLiteral("Profile 1"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                  QStringLiteral("Profile 2"), QStringLiteral("Profile 3"), QStringLiteral("Profile 4"),
                  QStringLiteral("Profile 5")});

    // The default profiles stay.
    t.ops->remove();
    QCOMPARE(t.prompts.told,
             QStringList{QStringLiteral("The default Profile cannot be deleted or renamed.")});
    QVERIFY(QFile::exists(t.profilePath(QStringLiteral("Profile 1"))));

    // Not confirmed: nothing goes. (A is applied: the mouse holds it.)
    t.ops->choose(QStringLiteral("A"));
    QVERIFY(t.awaitCommit([&] { t.ops->apply(); }));
    t.prompts.clear();
    t.prompts.confirm = false;
    t.ops->remove();
    QCOMPARE(t.prompts.asked, QStringList{QStringLiteral("Are you sure you want delete this profile?")});
    QVERIFY(QFile::exists(t.profilePath(QStringLiteral("A"))));

    // The entry after A is B.
    t.prompts.confirm = true;
    t.ops->remove();
    t.rig.flushFiles();
    QVERIFY(!QFile::exists(t.profilePath(QStringLiteral("A"))));
    QCOMPARE(t.workspace().slotName(0), QStringLiteral("B"));
    QVERIFY(!t.storedLibrary().contains(QStringLiteral("A")));
    // The configuration names the successor for the slot, not the deleted one.
    QCOMPARE(IniReader(t.rig.paths().configFile()).value(QStringLiteral("Config/Profile1")).toString(),
             QStringLiteral("B"));

    // The last entry's successor is the one before it; entries held by other
    // slots (Profile 2 to 5) are stepped over backwards to C.
    t.setLibrary({QStringLiteral("Profile 1"), QStringLiteral("C"), QStringLiteral("Profile 2"),
                  QStringLiteral("Profile 3"), QStringLiteral("Profile 4"), QStringLiteral("Profile 5"),
                  QStringLiteral("B")});
    t.ops->remove();
    QCOMPARE(t.workspace().slotName(0), QStringLiteral("C"));

    // Only entries held by other slots left: the profile stays, and the
    // user learns why.
    t.setLibrary({QStringLiteral("C"), QStringLiteral("Profile 2"), QStringLiteral("Profile 3")});
    t.prompts.clear();
    t.ops->remove();
    QCOMPARE(t.prompts.told, QStringList{QStringLiteral("Every other profile is in use by another slot.")});
    QVERIFY(QFile::exists(t.profilePath(QStringLiteral("C"))));

    t.setLibrary({QStringLiteral("C")});
    t.prompts.clear();
    t.ops->remove();
    QCOMPARE(t.prompts.told, QStringList{QStringLiteral("AT LEAST ONE PROFILE TO BE RETAINED.")});
}

void LibraryTest::renameChecksNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two dots inside") << QStringLiteral("v1..2") << true;
    QTest::newRow("unicode") << QString::fromUtf8("配置 ü") << true;
    QTest::newRow("parent") << QStringLiteral("../x") << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("separator") << QStringLiteral("a/b") << false;
    QTest::newRow("device") << QStringLiteral("CON") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("too long") << QString(300, QLatin1Char('n')) << false;
    QTest::newRow("existing file") << QStringLiteral("Other") << false;
}

void LibraryTest::renameChecksNames()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    OperationsRig t;
    t.storeProfile(QStringLiteral("Mine"), 3);
    t.storeProfile(QStringLiteral("Other"), 4);
    t.setLibrary({QStringLiteral("Profile 1"), QStringLiteral("Mine"), QStringLiteral("Other")});
    t.ops->choose(QStringLiteral("Mine"));
    QVERIFY(t.awaitCommit([&] { t.ops->apply(); }));
    const QStringList before = QDir(t.profileDir()).entryList(QDir::Files);

    t.ops->rename(name);
    t.rig.flushFiles();
    if (accepted) {
        QVERIFY(t.prompts.told.isEmpty());
        QVERIFY(!QFile::exists(t.profilePath(QStringLiteral("Mine"))));
        QCOMPARE(int(t.workspace().current().pollrate), 3);
        QVERIFY(QFile::exists(t.profilePath(name)));
        QCOMPARE(t.storedLibrary().at(1), name);
        QCOMPARE(t.workspace().current().ProfileName, name);
        QCOMPARE(IniReader(t.rig.paths().configFile()).value(QStringLiteral("Config/Profile1")).toString(),
                 name);
        return;
    }
    QCOMPARE(t.prompts.told.size(), 1);
    if (name == QLatin1String("Other"))
        QCOMPARE(t.prompts.told.first(), QStringLiteral("Profile Exist!"));
    QCOMPARE(QDir(t.profileDir()).entryList(QDir::Files), before);
    QCOMPARE(t.workspace().slotName(0), QStringLiteral("Mine"));
    QCOMPARE(t.storedLibrary().at(1), QStringLiteral("Mine"));
    QVERIFY(QDir(t.rig.dir().path()).entryList({QStringLiteral("x*")}).isEmpty());
}

void LibraryTest::defaultAndUsedProfilesAreKept()
{
    OperationsRig t;
    t.ops->reloadLibrary();
    t.ops->rename(QStringLiteral("Renamed"));
    QCOMPARE(t.prompts.told,
             QStringList{QStringLiteral("The default Profile cannot be deleted or renamed.")});
    QVERIFY(QFile::exists(t.profilePath(QStringLiteral("Profile 1"))));

    t.prompts.clear();
    t.ops->choose(QStringLiteral("Profile 3")); // held by slot 3
    QCOMPARE(t.prompts.told, QStringList{QStringLiteral("Profile is Already Used!")});
    QCOMPARE(t.workspace().slotName(0), QStringLiteral("Profile 1"));
}

void LibraryTest::importAndExport()
{
    OperationsRig t;
    QTemporaryDir outside;
    t.ops->reloadLibrary();

    // Cancelled dialogs change nothing.
    t.ops->importProfile();
    t.ops->exportProfile();
    QCOMPARE(t.prompts.dialogs, QStringList({QStringLiteral("Load Profile File|Profile File(*.prof)"),
                                             QStringLiteral("Save Profile File|Profile File(*.prof)")}));
    QVERIFY(t.prompts.told.isEmpty());

    // A file without the model marker belongs to no model of ours.
    const QString unmarked = outside.filePath(QStringLiteral("Unmarked.prof"));
    QVERIFY(ProfileFiles::saveProfile(ProfileData(), unmarked).isOk());
    t.prompts.paths = QStringList{unmarked};
    t.ops->importProfile();
    QCOMPARE(t.prompts.told, QStringList{QStringLiteral("The file is not match current mouse!")});
    QVERIFY(!QFile::exists(t.profilePath(QStringLiteral("Unmarked"))));

    // Export writes the marker and copies; that copy imports under its name
    // once the name is free.
    t.storeProfile(QStringLiteral("Travel"), 9);
    t.ops->choose(QStringLiteral("Travel"));
    const QString exported = outside.filePath(QStringLiteral("Travel.prof"));
    t.prompts.paths = QStringList{exported};
    t.ops->exportProfile();
    QCOMPARE(ProfileFiles::readProductMarker(exported), t.modelName());
    t.prompts.clear();
    t.prompts.paths = QStringList{exported};
    t.ops->importProfile();
    QCOMPARE(t.prompts.told, QStringList{QStringLiteral("Profile Exist!")});

    QVERIFY(QFile::rename(exported, outside.filePath(QStringLiteral("Shared.prof"))));
    t.prompts.clear();
    t.prompts.paths = QStringList{outside.filePath(QStringLiteral("Shared.prof"))};
    ApplyOutcome outcome;
    QVERIFY(t.awaitCommit([&] { t.ops->importProfile(); }, &outcome));
    QCOMPARE(int(outcome.result), 0);
    QVERIFY(t.prompts.shown().isEmpty());
    QCOMPARE(t.workspace().slotName(0), QStringLiteral("Shared"));
    QCOMPARE(int(t.workspace().current().pollrate), 9);
    QVERIFY(t.storedLibrary().contains(QStringLiteral("Shared")));
    // The import was committed: the mouse has the imported profile.
    QCOMPARE(t.workspace().saved(), t.workspace().working());

    // The save dialog asked whether an existing file may go: the export
    // replaces it, and the program's own file stays as it is.
    const QString existing = outside.filePath(QStringLiteral("Keep.prof"));
    QFile keep(existing);
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("mine");
    keep.close();
    t.prompts.paths = QStringList{existing};
    t.ops->exportProfile();
    QVERIFY(t.prompts.told.isEmpty());
    QCOMPARE(contents(existing), contents(t.profilePath(QStringLiteral("Shared"))));
    QCOMPARE(ProfileFiles::readProductMarker(existing), t.modelName());
}

void LibraryTest::configurationFilesRoundTrip()
{
    OperationsRig t;
    QTemporaryDir outside;
    const QString conf = outside.filePath(QStringLiteral("all.conf"));
    t.workspace().working().profiles[2].pollrate = 2;
    t.workspace().working().LiftHigh = 1;
    t.prompts.paths = QStringList{conf};
    t.ops->saveConfiguration();
    QCOMPARE(t.prompts.dialogs, QStringList{QStringLiteral("Save Config File|Config File(*.conf)")});
    QCOMPARE(ProfileFiles::readProductMarker(conf), t.modelName());

    // Edits made since are replaced by the file's, and committed.
    t.workspace().working().profiles[2].pollrate = 3;
    t.workspace().working().LiftHigh = 0;
    QSignalSpy tabs(t.ops.get(), &ProfileOperations::tabRequested);
    t.prompts.paths = QStringList{conf};
    QVERIFY(t.awaitCommit([&] { t.ops->loadConfiguration(); }));
    QCOMPARE(tabs.size(), 1);
    QCOMPARE(tabs.first().at(0).toInt(), 0);
    QCOMPARE(int(t.workspace().working().profiles[2].pollrate), 2);
    QCOMPARE(int(t.workspace().working().LiftHigh), 1);
    QCOMPARE(int(t.rig.mouse().state().liftHigh), 1);

    // Another model's configuration is ignored.
    QVERIFY(ProfileFiles::writeProductMarker(QStringLiteral("Other Mouse"), conf).isOk());
    t.workspace().working().LiftHigh = 0;
    QSignalSpy commits(t.commit, &CommitController::started);
    t.prompts.paths = QStringList{conf};
    t.ops->loadConfiguration();
    QCOMPARE(int(t.workspace().working().LiftHigh), 0);
    QCOMPARE(commits.size(), 0);
    QVERIFY(t.prompts.told.isEmpty());
}

void LibraryTest::resetAndCancel()
{
    OperationsRig t;
    t.ops->reloadLibrary();
    const ProfileData stored = t.workspace().current();

    // Cancel drops the edit and asks to hide the window.
    t.workspace().current().pollrate = quint8(stored.pollrate ^ 1);
    QSignalSpy hide(t.ops.get(), &ProfileOperations::hideRequested);
    t.ops->cancel();
    QCOMPARE(hide.size(), 1);
    QCOMPARE(t.workspace().current(), stored);

    // Not confirmed: no reset.
    t.workspace().current().pollrate = quint8(stored.pollrate ^ 1);
    t.prompts.confirm = false;
    t.ops->reset();
    QCOMPARE(t.prompts.asked, QStringList{QStringLiteral("Are you sure you want reset this profile?")});
    QVERIFY(t.workspace().current() != stored);

    // Reset all: every slot gets the factory profile and its default name,
    // and the set is sent. (The mouse's stage may have replaced the stored
    // one meanwhile, so the factory profile is the measure here.)
    t.prompts.confirm = true;
    t.workspace().working().profileNames[1] = QStringLiteral("Custom");
    QVERIFY(t.awaitCommit([&] { t.ops->resetAll(); }));
    QCOMPARE(t.workspace().slotName(1), QStringLiteral("Profile 2"));
    ProfileData factory;
    ProfileDefaults::resetProfile(factory, ProductDescription(t.rig.paths().productDescriptionFile()));
    factory.ProfileName = QStringLiteral("Profile 1");
    QCOMPARE(t.workspace().current(), factory);
    QCOMPARE(t.workspace().saved(), t.workspace().working());
}
