// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirmwareTest.h"

#include "support/ScriptedPrompts.h"

#include "app/FirmwareUpdate.h"
#include "device/DeviceSession.h"
#include "storage/LanguageConfig.h"
#include "support/WindowRig.h"

#include <QtTest>

namespace {

VirtualMouseOptions onCable(bool cable)
{
    VirtualMouseOptions options;
    options.cablePlugged = cable;
    return options;
}

struct FirmwareRig
{
    explicit FirmwareRig(bool cable) : rig(onCable(cable))
    {
        rig.open();
        update = std::make_unique<FirmwareUpdate>(rig.session(), rig.paths(), rig.launcher(), prompts);
        update->setExit([this](int code) { exits.append(code); });
    }

    WindowRig rig;
    ScriptedPrompts prompts;
    std::unique_ptr<FirmwareUpdate> update;
    QVector<int> exits;
};

} // namespace

void FirmwareTest::receiverOnlyGetsTheCableMessage()
{
    FirmwareRig t(false);
    t.update->start();
    QCOMPARE(t.prompts.told, QStringList{QStringLiteral(
                                 "To update the firmware, please connect to the computer with a cable.")});
    QVERIFY(t.prompts.asked.isEmpty());
    QVERIFY(t.rig.launcher().starts().isEmpty());
    QVERIFY(t.exits.isEmpty());
}

void FirmwareTest::updaterForTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("program");
    QTest::newRow("English") << 0 << true << "/skin/mouse/bin/R640-7718-20000101-en.exe";
    QTest::newRow("Chinese") << 1 << true << "/skin/mouse/bin/R640-7718-20000101.exe";
    QTest::newRow("declined") << 0 << false << QString();
}

void FirmwareTest::updaterForTheLanguage()
{
    QFETCH(int, language);
    QFETCH(bool, confirm);
    QFETCH(QString, program);
    FirmwareRig t(true);
    QVERIFY(LanguageConfig(t.rig.paths()).setLanguageIndex(language).isOk());
    t.prompts.confirm = confirm;
    t.update->start();
    QCOMPARE(t.prompts.asked, QStringList{QStringLiteral("Do you want to upgrade the firmware?")});
    if (!confirm) {
        QVERIFY(t.rig.launcher().starts().isEmpty());
        QVERIFY(t.rig.session().isPolling());
        return;
    }
    // It starts once the poll has left the mouse.
    QTRY_COMPARE(t.rig.launcher().starts().size(), 1);
    QCOMPARE(t.rig.launcher().starts().first().program, t.rig.paths().appDir() + program);
    QVERIFY(t.rig.launcher().starts().first().arguments.isEmpty());
    // The mouse is left to the updater: no poll, and the utility ends with 0.
    QVERIFY(!t.rig.session().isPolling());
    QCOMPARE(t.exits, QVector<int>{0});
}

void FirmwareTest::updaterThatCannotStartKeepsTheUtility()
{
    FirmwareRig t(true);
    t.rig.launcher().setStartsSucceed(false);
    t.update->start();
    QTRY_COMPARE(t.prompts.told.size(), 1);
    QVERIFY(t.exits.isEmpty());
    QVERIFY(t.prompts.told.first().contains(QStringLiteral("R640-7718-20000101")));
    QVERIFY(t.rig.session().isPolling());
}
