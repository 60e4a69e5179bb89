// SPDX-License-Identifier: GPL-3.0-or-later
// The rules behind "edits stay until Apply or Cancel": what a status report
// of the mouse changes, what Cancel restores, where the window marks
// unapplied changes, and the guards of the library and the macro bindings.
#include "device/StatusSync.h"
#include "storage/AppConfig.h"
#include "storage/FileCopy.h"
#include "storage/FileNames.h"
#include "storage/IniReader.h"
#include "storage/MacroBindings.h"
#include "storage/MacroDrafts.h"
#include "storage/MacroFiles.h"
#include "storage/ProfileChanges.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileWorkspace.h"
#include "storage/SlotNames.h"
#include "support/TempAppDir.h"

#include <QtTest>

namespace {

// A workspace on the sample data, loaded as at start.
struct Loaded
{
    Loaded()
    {
        workspace.setModelName(AppConfig(dir.paths()).profileModelName());
        (void)workspace.load();
    }
    int storedStage() const
    {
        const ProfileFiles files(dir.paths(), workspace.modelName());
        return IniReader(files.profilePath(workspace.slotName(0)))
            .value(QStringLiteral("PROFILE/dpi"))
            .toInt();
    }
    ProfileFiles files() const { return ProfileFiles(dir.paths(), workspace.modelName()); }

    TempAppDir dir;
    ProfileWorkspace workspace{dir.paths()};
};

ProfileData& slot0(ProfileWorkspace& workspace)
{
    return workspace.working().profiles[0];
}

} // namespace

class TestWorkspace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportWithoutPendingEditsMovesEveryState()
    {
        Loaded l;
        StatusSync sync(l.workspace);
        const int stage = (slot0(l.workspace).dpi + 1) % 4;
        const int rate = slot0(l.workspace).pollrate == 2 ? 4 : 2;
        const StatusChange change = sync.take({0, stage, rate});
        QVERIFY(change.stageChanged && change.stageShown && change.rateChanged && change.rateShown);
        QVERIFY(change.written.isOk());
        QCOMPARE(int(slot0(l.workspace).dpi), stage);
        QCOMPARE(int(slot0(l.workspace).pollrate), rate);
        QVERIFY(!l.workspace.hasUnsavedChanges());
        QCOMPARE(l.storedStage(), stage);

        // The same report again changes nothing, so the display says nothing.
        const StatusChange again = sync.take({0, stage, rate});
        QVERIFY(!again.stageChanged && !again.rateChanged && !again.slotChanged);
    }

    void pendingEditsOutlastTheMouseReports()
    {
        Loaded l;
        StatusSync sync(l.workspace);
        const quint8 onMouseStage = slot0(l.workspace).dpi;
        const quint8 onMouseRate = slot0(l.workspace).pollrate;
        slot0(l.workspace).dpi = quint8((onMouseStage + 3) % 8);
        slot0(l.workspace).pollrate = onMouseRate == 8 ? 4 : 8;
        const ProfileData edited = slot0(l.workspace);

        // The mouse reports what it had: nothing changes at all.
        StatusChange change = sync.take({0, onMouseStage, onMouseRate});
        QVERIFY(!change.stageChanged && !change.rateChanged);
        QVERIFY(slot0(l.workspace) == edited);

        // The mouse moves on (its DPI button): the saved state and the file
        // follow, the user's choice stays.
        const int pressed = (onMouseStage + 1) % 8;
        change = sync.take({0, pressed, onMouseRate});
        QVERIFY(change.stageChanged && !change.stageShown);
        QVERIFY(slot0(l.workspace) == edited);
        QCOMPARE(int(l.workspace.saved().profiles[0].dpi), pressed);
        QCOMPARE(l.storedStage(), pressed);
        QVERIFY(l.workspace.hasUnsavedChanges());
    }

    void aSlotHoldingAnotherProfileTakesNothingOfTheMouse()
    {
        Loaded l;
        ProfileData other = l.workspace.current();
        other.pollrate = 4;
        other.dpi = 6;
        QVERIFY(l.files().saveNamedProfile(other, QStringLiteral("Other")).isOk());
        l.workspace.loadIntoCurrent(QStringLiteral("Other"));
        // The mouse's values happen to equal nothing of the chosen profile's:
        // a new stage and rate on the mouse still leave the choice alone.
        StatusSync(l.workspace).take({0, 1, 1});
        QCOMPARE(int(slot0(l.workspace).pollrate), 4);
        QCOMPARE(int(slot0(l.workspace).dpi), 6);
        QCOMPARE(l.workspace.slotName(0), QStringLiteral("Other"));
        QCOMPARE(int(l.workspace.saved().profiles[0].dpi), 1);
    }

    void slotReportsSwitchAndStoreTheSlot()
    {
        Loaded l;
        l.workspace.working().profiles[2].mousespeed = 14;
        StatusSync sync(l.workspace);
        const StatusChange change =
            sync.take({2, l.workspace.working().profiles[2].dpi, l.workspace.working().profiles[2].pollrate});
        QVERIFY(change.slotChanged);
        QCOMPARE(change.pointerSpeed.value_or(0), 14);
        QCOMPARE(l.workspace.currentSlot(), 2);
        QCOMPARE(AppConfig(l.dir.paths()).profileId(), 2);
        QCOMPARE(int(l.workspace.saved().ProfileID), 2);
        // A switch asked for elsewhere (the command-line tool) always applies.
        QVERIFY(sync.takeSlot(2).pointerSpeed.has_value());
        // Garbage names no slot.
        const ProfileSet before = l.workspace.working();
        const StatusChange garbage = sync.take({7, 9, 2});
        QVERIFY(!garbage.slotChanged && !garbage.stageChanged && !garbage.rateChanged);
        QVERIFY(l.workspace.working() == before);
    }

    void discardRestoresEverySlotAndTheSharedValues()
    {
        Loaded l;
        const ProfileSet saved = l.workspace.saved();
        l.workspace.working().AngleValue = quint8(!saved.AngleValue);
        l.workspace.working().Debounce = quint8(saved.Debounce + 3);
        l.workspace.working().profiles[3].buttons[2].Fun = 17;
        QVERIFY(l.files().saveNamedProfile(l.workspace.current(), QStringLiteral("Chosen")).isOk());
        l.workspace.loadIntoCurrent(QStringLiteral("Chosen"));
        l.workspace.discardEdits();
        QVERIFY(l.workspace.working() == saved);

        // A profile deleted from the library while its slot held another:
        // the slot keeps the one that took its place, read from its file.
        l.workspace.loadIntoCurrent(QStringLiteral("Chosen"));
        QVERIFY(l.files().removeProfile(QStringLiteral("Profile 1")).isOk());
        QCOMPARE(l.workspace.storedAssignment().profileNames[0], QStringLiteral("Chosen"));
        l.workspace.working().profiles[0].LedMode = 9;
        l.workspace.discardEdits();
        QCOMPARE(l.workspace.slotName(0), QStringLiteral("Chosen"));
        ProfileData chosen;
        l.files().loadNamedProfile(chosen, QStringLiteral("Chosen"));
        QCOMPARE(int(l.workspace.current().LedMode), int(chosen.LedMode));
    }

    void renameFollowsInTheSavedStateCopyDoesNot()
    {
        Loaded l;
        l.workspace.nameCurrent(QStringLiteral("Copy"));
        QCOMPARE(l.workspace.saved().profileNames[0], QStringLiteral("Profile 1"));
        QVERIFY(ProfileChanges::slotDiffers(l.workspace.working(), l.workspace.saved(), 0));
        l.workspace.discardEdits();
        QCOMPARE(l.workspace.slotName(0), QStringLiteral("Profile 1"));

        l.workspace.renameCurrent(QStringLiteral("Renamed"));
        QCOMPARE(l.workspace.saved().profileNames[0], QStringLiteral("Renamed"));
        QVERIFY(!l.workspace.hasUnsavedChanges());
        QCOMPARE(l.workspace.storedAssignment(QStringLiteral("Renamed")).profileNames[0],
                 QStringLiteral("Renamed")); // the slot's own name when it is the one going
    }

    void changesAreTracedToTheirPage()
    {
        ProfileSet a;
        ProfileSet b = a;
        QCOMPARE(ProfileChanges::areas(a.profiles[1], b.profiles[1]), 0);
        b.profiles[1].leds[3].bright = 7;
        b.profiles[1].buttons[0].macroname = QStringLiteral("m");
        QCOMPARE(ProfileChanges::areas(a.profiles[1], b.profiles[1]),
                 int(ProfileChanges::Lighting | ProfileChanges::Buttons));
        b.profiles[1].scrollspeed = 3;
        QVERIFY(ProfileChanges::areas(a.profiles[1], b.profiles[1]) & ProfileChanges::Performance);
        QVERIFY(!ProfileChanges::sharedDiffer(a, b));
        b.Jitter = 1;
        QVERIFY(ProfileChanges::sharedDiffer(a, b));
        QVERIFY(ProfileChanges::slotDiffers(a, b, 1));
        QVERIFY(!ProfileChanges::slotDiffers(a, b, 2));
        b.profileNames[2] = QStringLiteral("other");
        QVERIFY(ProfileChanges::slotDiffers(a, b, 2));
    }

    void slotNamesFromOutsideAreCheckedAndSeparated()
    {
        ProfileSet set;
        for (int slot = 0; slot < ProfileSet::kProfiles; ++slot)
            set.profileNames[slot] = QStringLiteral("P%1").arg(slot);
        QVERIFY(SlotNames::refusal(set).isEmpty());
        for (const QString& bad :
             {QStringLiteral("a/b"), QStringLiteral("CON"), QStringLiteral("x\ty"),
              QString::fromUtf8("x\u202Egpj.exe"), QString(100000, QLatin1Char('n')), QString()}) {
            ProfileSet hostile = set;
            hostile.profileNames[3] = bad;
            QVERIFY2(!SlotNames::refusal(hostile).isEmpty(), qPrintable(bad.left(20)));
        }
        set.profileNames[1] = set.profileNames[3] = set.profileNames[4] = QStringLiteral("Dup");
        set.profileNames[0] = QStringLiteral("Dup copy");
        const QVector<int> renamed =
            SlotNames::separateDuplicates(set, [](const QString& name) { return name == "Dup copy 2"; });
        QCOMPARE(renamed, (QVector<int>{3, 4}));
        QCOMPARE(set.profileNames[1], QStringLiteral("Dup"));
        QCOMPARE(set.profileNames[3], QStringLiteral("Dup copy 3"));
        QCOMPARE(set.profileNames[4], QStringLiteral("Dup copy 4"));
        QCOMPARE(set.profiles[4].ProfileName, QStringLiteral("Dup copy 4"));
    }

    void macroBindingsFollowRenameAndDelete()
    {
        ProfileSet set;
        ProfileData factory;
        factory.buttons[2].Fun = 1;
        for (ProfileData* p : {&set.profiles[0], &set.profiles[4]}) {
            p->buttons[2].Fun = ButtonAssignment::kMacroFunction;
            p->buttons[2].macroname = QStringLiteral("burst");
        }
        set.profiles[1].buttons[5].Fun = ButtonAssignment::kGunMacroFunction;
        set.profiles[1].buttons[5].macroname = QStringLiteral("burst");
        set.profiles[2].buttons[6].macroname = QStringLiteral("burst"); // no macro function: not bound
        QCOMPARE(MacroBindings::count(set, QStringLiteral("burst")), 3);
        QCOMPARE(MacroBindings::rename(set, QStringLiteral("burst"), QStringLiteral("fire")), 3);
        QCOMPARE(set.profiles[2].buttons[6].macroname, QStringLiteral("burst"));
        QCOMPARE(MacroBindings::release(set, QStringLiteral("fire"), factory), 3);
        QCOMPARE(set.profiles[4].buttons[2].Fun, 1);
        QCOMPARE(MacroBindings::count(set, QStringLiteral("fire")), 0);

        set.profiles[3].buttons[1].Fun = ButtonAssignment::kMacroFunction;
        set.profiles[3].buttons[1].macroname = QStringLiteral("gone");
        const auto exists = [](const QString& name) { return name == QLatin1String("kept"); };
        QCOMPARE(MacroBindings::releaseMissing(set, exists, factory), 1);
        QCOMPARE(MacroBindings::releaseMissing(set, exists, factory), 0);
    }

    void macroDraftsLiveUntilSavedOrDropped()
    {
        TempAppDir dir;
        MacroFiles files(dir.paths());
        MacroRecord stored;
        stored.name = QStringLiteral("m");
        stored.events = {MacroEvent::keyPress(4), MacroEvent::keyRelease(4)};
        QVERIFY(files.save(stored).isOk());
        MacroDrafts drafts;
        MacroRecord shown = files.load(QStringLiteral("m"));
        shown.name = QStringLiteral("m");
        drafts.note(shown, shown);
        QVERIFY(drafts.isEmpty());
        shown.events.append(MacroEvent::delay(10));
        drafts.note(shown, stored);
        QCOMPARE(drafts.names(), QStringList{QStringLiteral("m")});
        drafts.rename(QStringLiteral("m"), QStringLiteral("n"));
        QCOMPARE(drafts.draft(QStringLiteral("n"))->name, QStringLiteral("n"));
        QVERIFY(!drafts.draft(QStringLiteral("m")));
        QVERIFY(drafts.saveAll(files).isOk());
        QVERIFY(drafts.isEmpty());
        QCOMPARE(files.readEvents(QStringLiteral("n")).size(), 3);
    }

    void onlyMacroFilesAreImportedAndChosenFilesReplacedWhole()
    {
        TempAppDir dir;
        const QString macro =
            dir.writeFile(QStringLiteral("in/ok.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\n");
        const QString junk = dir.writeFile(QStringLiteral("in/junk.MSMACRO"), QByteArray(300 * 1024, 'x'));
        const QString other = dir.writeFile(QStringLiteral("in/text.MSMACRO"), "hello\n");
        QVERIFY(MacroFiles::isMacroFile(macro));
        QVERIFY(!MacroFiles::isMacroFile(junk));
        QVERIFY(!MacroFiles::isMacroFile(other));
        MacroFiles files(dir.paths());
        QVERIFY(!files.importMacro(junk).isOk());
        QVERIFY(!files.exists(QStringLiteral("junk")));

        const QString target = dir.writeFile(QStringLiteral("out/old.prof"), "old");
        QVERIFY(FileCopy::replace(macro, target, 1024).isOk());
        QFile copied(target);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), QByteArray("[Setting]\nCount=1\nMap_0=132\n"));
        QVERIFY(!FileCopy::replace(junk, target, 1024).isOk()); // too large: the target stays
        QVERIFY(!FileCopy::replace(macro, dir.path() + QStringLiteral("/out"), 1024).isOk()); // a folder
        QCOMPARE(QFileInfo(target).size(), QFileInfo(macro).size());
        QVERIFY(!FileNames::isSafeName(QString::fromUtf8("a\u200Bb"))); // invisible
        QVERIFY(FileNames::isSafeName(FileNames::neutralised(QString::fromUtf8("a\u202Eb"))));
    }
};

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_workspace.moc"
