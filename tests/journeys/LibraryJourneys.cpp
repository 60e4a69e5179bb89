// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryJourneys.h"

#include "JourneyRig.h"
#include "storage/AppConfig.h"
#include "storage/SettingsWriter.h"
#include "widgets/OakLineEdit.h"

#include <QApplication>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>

namespace {

QStringList library(JourneyRig& j)
{
    return AppConfig(j.rig.paths()).profileList(j.workspace().modelName());
}

QString nameShown(JourneyRig& j)
{
    return j.find<QLineEdit>("profileNameEditor")->text();
}

bool stored(JourneyRig& j, const QString& name)
{
    return ProfileFiles(j.rig.paths(), j.workspace().modelName()).exists(name);
}

// Relative luminance of a colour (WCAG).
double luminance(const QColor& c)
{
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// The colour most of the area shows: what its text stands on.
QColor groundOf(const QImage& shot, const QRect& area)
{
    QHash<QRgb, int> counts;
    const qreal ratio = shot.devicePixelRatio();
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            ++counts[shot.pixel(QPoint(x, y) * ratio)];
    QRgb most = 0;
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > best)
            best = it.value(), most = it.key();
    return QColor(most);
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void LibraryJourneys::addCopyRenameAndDeleteThroughTheButtons()
{
    JourneyRig j;
    j.open();
    ScriptedPrompts& prompts = j.rig.prompts();

    QVERIFY(UserInput::click(j.button("addButton")));
    QCOMPARE(nameShown(j), QStringLiteral("Profile 6"));
    QVERIFY(stored(j, QStringLiteral("Profile 6")));
    QVERIFY(library(j).contains(QStringLiteral("Profile 6")));
    QVERIFY(j.button("profileSlot1")->isMarked()); // the mouse still holds Profile 1

    QVERIFY(UserInput::click(j.button("copyButton")));
    QCOMPARE(nameShown(j), QStringLiteral("Profile 6 copy"));
    QVERIFY(stored(j, QStringLiteral("Profile 6 copy")));

    auto* editor = j.find<QLineEdit>("profileNameEditor");
    editor->clear();
    UserInput::type(editor, QStringLiteral("Gaming"));
    UserInput::key(editor, Qt::Key_Return);
    QCOMPARE(j.workspace().slotName(0), QStringLiteral("Gaming"));
    QVERIFY(stored(j, QStringLiteral("Gaming")) && !stored(j, QStringLiteral("Profile 6 copy")));
    QVERIFY(library(j).contains(QStringLiteral("Gaming")));
    QVERIFY(prompts.told.isEmpty());

    QVERIFY(UserInput::click(j.button("deleteButton")));
    QCOMPARE(prompts.asked, QStringList{QStringLiteral("Are you sure you want delete this profile?")});
    QVERIFY(!stored(j, QStringLiteral("Gaming")));
    QVERIFY(!library(j).contains(QStringLiteral("Gaming")));
    QCOMPARE(nameShown(j), j.workspace().slotName(0));
    // The slot names stored are the mouse's: Profile 1, never the deleted one.
    QCOMPARE(IniReader(j.rig.paths().configFile()).value(QStringLiteral("Config/Profile1")).toString(),
             QStringLiteral("Profile 1"));

    // Cancel: the slot holds the profile the mouse has again.
    QVERIFY(UserInput::click(j.button("cancelButton")));
    QCOMPARE(j.workspace().slotName(0), QStringLiteral("Profile 1"));
    QVERIFY(!j.button("profileSlot1")->isMarked());
}

void LibraryJourneys::exportImportSaveAndLoadThroughTheButtons()
{
    JourneyRig j;
    j.open();
    ScriptedPrompts& prompts = j.rig.prompts();
    QTemporaryDir outside;

    const QString exported = outside.filePath(QStringLiteral("Shared.prof"));
    prompts.paths = QStringList{exported};
    QVERIFY(UserInput::click(j.button("exportButton")));
    QCOMPARE(prompts.dialogs, QStringList{QStringLiteral("Save Profile File|Profile File(*.prof)")});
    QCOMPARE(ProfileFiles::readProductMarker(exported), j.workspace().modelName());

    // Import commits: the mouse and the library have the imported profile.
    prompts.clear();
    prompts.paths = QStringList{exported};
    QVERIFY(UserInput::click(j.button("importButton")));
    QTRY_COMPARE(j.workspace().saved().profileNames[0], QStringLiteral("Shared"));
    QVERIFY(library(j).contains(QStringLiteral("Shared")));
    QCOMPARE(nameShown(j), QStringLiteral("Shared"));

    const QString configuration = outside.filePath(QStringLiteral("all.conf"));
    prompts.clear();
    prompts.paths = QStringList{configuration};
    QVERIFY(UserInput::click(j.button("saveButton")));
    QCOMPARE(ProfileFiles::readProductMarker(configuration), j.workspace().modelName());

    // A changed file loaded back: the lighting tab shows, and the mouse gets it.
    {
        SettingsWriter writer(configuration);
        writer.setValue(QStringLiteral("PROFILE_0/pollrate"), 4);
        QVERIFY(writer.finish().isOk());
    }
    QVERIFY(UserInput::press(j.button("dpiTab")));
    prompts.paths = QStringList{configuration};
    QVERIFY(UserInput::click(j.button("loadButton")));
    QCOMPARE(j.window().shownTab(), 0);
    QTRY_COMPARE(int(j.rig.mouse().state().pollRate), 4);
    QVERIFY(prompts.told.isEmpty());
}

void LibraryJourneys::configurationFilesCannotCorruptTheLibrary_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("refusal"); // a part of the message; empty: loaded
    const QString notAllowed = QStringLiteral("not allowed");
    QTest::newRow("one name in three slots")
        << QStringList{"Dup", "Dup", "Dup", "Profile 4", "Profile 5"} << QString();
    QTest::newRow("separator") << QStringList{"../../evil", "B"} << notAllowed;
    QTest::newRow("device name") << QStringList{"CON", "B"} << notAllowed;
    QTest::newRow("control character") << QStringList{QStringLiteral("a\tb"), "B"} << notAllowed;
    QTest::newRow("right-to-left override")
        << QStringList{QString::fromUtf8("x\u202Eforp.exe"), "B"} << notAllowed;
    QTest::newRow("long name") << QStringList{QString(300, QLatin1Char('n')), "B"} << notAllowed;
    // A line no file of ours has: the file is not read at all.
    QTest::newRow("100,000 characters")
        << QStringList{QString(100000, QLatin1Char('n')), "B"} << QStringLiteral("hostile.conf");
}

void LibraryJourneys::configurationFilesCannotCorruptTheLibrary()
{
    QFETCH(QStringList, names);
    QFETCH(QString, refusal);
    JourneyRig j;
    j.open();
    ScriptedPrompts& prompts = j.rig.prompts();
    QTemporaryDir outside;
    const QString configuration = outside.filePath(QStringLiteral("hostile.conf"));
    prompts.paths = QStringList{configuration};
    QVERIFY(UserInput::click(j.button("saveButton")));
    {
        SettingsWriter writer(configuration);
        for (int slot = 0; slot < names.size(); ++slot) {
            writer.setValue(QStringLiteral("Config/Profile%1").arg(slot + 1), names.at(slot));
            writer.setValue(QStringLiteral("PROFILE_%1/pollrate").arg(slot), 1 << (slot % 4));
        }
        QVERIFY(writer.finish().isOk());
    }
    const QStringList before = library(j);
    prompts.paths = QStringList{configuration};
    QVERIFY(UserInput::click(j.button("loadButton")));
    QCOMPARE(prompts.told.size(), 1);
    if (!refusal.isEmpty()) {
        QVERIFY2(prompts.told.first().contains(refusal), qPrintable(prompts.told.first()));
        QCOMPARE(library(j), before);
        QCOMPARE(j.workspace().working(), j.workspace().saved());
        return;
    }
    // Each slot keeps its own record, in a file of its own.
    QTRY_COMPARE(j.workspace().saved().profileNames[2], QStringLiteral("Dup copy 2"));
    QCOMPARE(j.workspace().saved().profileNames[1], QStringLiteral("Dup copy"));
    const ProfileFiles files(j.rig.paths(), j.workspace().modelName());
    for (int slot = 0; slot < 3; ++slot) {
        ProfileData loaded;
        files.loadNamedProfile(loaded, j.workspace().saved().profileNames[slot]);
        QCOMPARE(int(loaded.pollrate), 1 << slot);
    }
    QVERIFY(library(j).contains(QStringLiteral("Dup copy 2")));
}

void LibraryJourneys::fileDialogsAreReadableInTheWindowsLook()
{
    JourneyRig j;
    j.rig.useWindowPrompts();
    j.open();
    double worst = 100;
    QString where;
    QTimer::singleShot(200, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const QImage shot = dialog->grab().toImage();
        // Text in the colour the dialog's widgets use, on what they paint.
        for (QWidget* part : dialog->findChildren<QWidget*>()) {
            // Disabled controls may be faint: they offer nothing to read.
            if (!part->isVisible() || !part->isEnabled() || part->width() < 8 || part->height() < 8)
                continue;
            const QColor ground = groundOf(shot, QRect(part->mapTo(dialog, QPoint(0, 0)), part->size()));
            const double ratio = contrast(part->palette().color(part->foregroundRole()), ground);
            if (ratio < worst) {
                worst = ratio;
                where = part->metaObject()->className() + QStringLiteral(" ") + part->objectName();
            }
        }
        dialog->reject();
    });
    QVERIFY(UserInput::click(j.button("importButton")));
    QVERIFY2(worst >= 4.5, qPrintable(QStringLiteral("contrast %1 in %2").arg(worst).arg(where)));
}
