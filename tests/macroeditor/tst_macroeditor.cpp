// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommitController.h"
#include "app/PageHost.h"
#include "editors/gunset/OakGunsetDialog.h"
#include "editors/macro/MacroDialog.h"
#include "editors/macro/MacroFileChooser.h"
#include "protocol/FunctionTable.h"
#include "storage/MacroFiles.h"
#include "storage/MacroList.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr quint16 kScanA = 30;
constexpr quint16 kScanB = 48;

// Answers the page's file questions as a user would.
struct ScriptedChooser : MacroFileChooser
{
    QStringList open;
    QString save;
    QString folderAnswer;
    QString openFile(QWidget*) override { return open.value(0); }
    QStringList openFiles(QWidget*) override { return open; }
    QString saveFile(QWidget*, const QString&) override { return save; }
    QString folder(QWidget*) override { return folderAnswer; }
};

// The window on the virtual mouse with the macro tab shown.
struct MacroRig
{
    WindowRig rig;
    MacroDialog* page = nullptr;
    ScriptedChooser* chooser = nullptr;
    qint64 now = 1000;

    explicit MacroRig(double scale = 1.0)
    {
        rig.open();
        if (scale != 1.0) {
            // As the window is laid out on a screen of that scale.
            UiScale look;
            look.factor = scale;
            look.level = int((scale - 1.0) / 0.25);
            rig.ui().setScale(look);
            rig.window().resize(rig.ui().scaled(999), rig.ui().scaled(640));
            rig.find<PageHost>(QStringLiteral("pageHost"))->place();
        }
        rig.find<PageHost>(QStringLiteral("pageHost"))->showTab(3);
        page = rig.find<MacroDialog>(QStringLiteral("macroPage"));
        auto scripted = std::make_unique<ScriptedChooser>();
        chooser = scripted.get();
        page->setFileChooser(std::move(scripted));
        page->setClock([this] { return now; });
    }
    template <typename T = OakPushButton> T* find(const char* name) const
    {
        return page->findChild<T*>(QLatin1String(name));
    }
    void click(const char* name) const { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    QListWidget* list() const { return find<QListWidget>("macroList"); }
    QTableWidget* table() const { return find<QTableWidget>("stepTable"); }
    FakeKeyboardCapture* capture() const { return rig.keyboardCaptures().last(); }
    MacroFiles files() const { return MacroFiles(rig.paths()); }
    QString createMacro()
    {
        click("newMacroButton");
        return page->shownMacro();
    }
    void choose(const QString& name) const
    {
        const auto items = list()->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(items.first()).center());
    }
    QStringList column(int c) const
    {
        QStringList texts;
        for (int r = 0; r < table()->rowCount(); ++r)
            texts.append(table()->item(r, c)->text());
        return texts;
    }
    void clickTreeItem(const QString& text) const
    {
        auto* tree = find<QTreeWidget>("mouseCommandTree");
        const auto items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!items.isEmpty());
        tree->setCurrentItem(items.first());
        QTest::keyClick(tree, Qt::Key_Return);
    }
};

MacroEvent ev(int map, int dataH, int dataL)
{
    return MacroEvent{quint8(map), quint8(dataL), quint8(dataH)};
}

QStringList filesBelow(const QString& dir)
{
    QStringList found;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    found.sort();
    return found;
}

// What a user would see as broken: a control outside the page, two controls
// on top of each other, or a caption wider than its button.
void checkLayout(QWidget* page)
{
    QVector<QWidget*> shown;
    for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        QVERIFY2(page->rect().contains(child->geometry()), qPrintable(child->objectName()));
        for (QWidget* other : qAsConst(shown))
            QVERIFY2(!other->geometry().intersects(child->geometry()),
                     qPrintable(other->objectName() + QLatin1Char(' ') + child->objectName()));
        shown.append(child);
    }
    for (auto* label : page->findChildren<QLabel*>()) {
        if (!label->wordWrap() && !label->text().isEmpty())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
    }
    for (auto* button : page->findChildren<QAbstractButton*>()) {
        for (const QString& line : button->text().split(QLatin1Char('\n'))) {
            const int indicator = qobject_cast<QCheckBox*>(button) ? button->height() / 2 : 0;
            const int needed = button->fontMetrics().horizontalAdvance(line) + indicator;
            QVERIFY2(needed <= button->width(), qPrintable(button->objectName() + QLatin1Char(' ') + line));
        }
    }
}

void keepScreen(QWidget* widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("MACRO_SHOTS");
    if (dir.isEmpty())
        return;
    // A page is drawn on the window's background.
    QWidget* window = widget->window();
    const QPixmap shot = window == widget ? widget->grab() : window->grab(widget->geometry());
    shot.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class TestMacroEditor : public QObject
{
    Q_OBJECT

private slots:
    void recordingDisablesTheWindowAndSavesTheSteps();
    void unreleasedKeysAreReportedAndKept();
    void mouseCommandsAndTheClipboardKeepTheLimit();
    void editModeRewritesTheSelectedStep();
    void storedStepsLoadByTheTableRules();
    void listOperationsKeepFilesAndSlotsTogether();
    void unsafeNamesAreRefusedEverywhere();
    void gunSetWritesAGunFile();
    void gunSetDialogChecksItsInput();
    void recordedMacroReachesTheMouse();
    void screensAtTwoScales();
    void chineseCaptionsFit();
};

void TestMacroEditor::recordingDisablesTheWindowAndSavesTheSteps()
{
    MacroRig m;
    QVERIFY(!m.find("startButton")->isEnabled()); // no macro to record into yet
    const QString name = m.createMacro();
    QCOMPARE(name, QStringLiteral("name_1"));
    m.click("recordDelaysCheck");
    QSignalSpy host(m.page, &EditorPage::hostEnabled);

    m.click("startButton");
    QVERIFY(m.page->isRecording());
    QCOMPARE(host.count(), 1);
    QCOMPARE(host.at(0).at(0).toBool(), false);
    QVERIFY(!m.find("stopButton")->isHidden() && m.find("stopButton")->isEnabled());
    for (const char* other : {"newMacroButton", "saveButton", "recordAfterButton", "importButton"})
        QVERIFY2(!m.find(other)->isEnabled(), other);
    QVERIFY(!m.list()->isEnabled());

    m.capture()->press(kScanA);
    m.now += 8;
    m.capture()->press(kScanA); // the key repeats while held
    m.now += 12;
    m.capture()->release(kScanA);
    m.click("stopButton");
    QCOMPARE(host.count(), 2);
    QCOMPARE(host.at(1).at(0).toBool(), true);
    QVERIFY(!m.capture()->isActive());
    QVERIFY(m.find("newMacroButton")->isEnabled());

    QCOMPARE(m.column(0), (QStringList{QStringLiteral("Press A"), QString(), QStringLiteral("Release A")}));
    QCOMPARE(m.column(1), (QStringList{QString(), QStringLiteral("20 ms"), QString()}));
    const MacroRecord saved = m.files().load(name);
    QCOMPARE(saved.events, (QVector<MacroEvent>{ev(132, 0, 4), ev(6, 0, 20), ev(4, 0, 4)}));
    QCOMPARE(saved.DelayType, 1);
    QCOMPARE(saved.WriteSign, 1);

    // START always begins from an empty table; RECORD AFTER continues after the selection.
    m.page->SelectRow(0);
    m.click("recordAfterButton");
    m.capture()->press(kScanB);
    m.now += 5;
    m.capture()->release(kScanB);
    m.click("stopButton");
    QCOMPARE(m.column(0).mid(0, 4), (QStringList{QStringLiteral("Press A"), QStringLiteral("Press B"),
                                                 QString(), QStringLiteral("Release B")}));
    QCOMPARE(m.files().load(name).events.size(), 6);
}

void TestMacroEditor::unreleasedKeysAreReportedAndKept()
{
    MacroRig m;
    const QString name = m.createMacro();
    ScriptedPrompts& messages = m.rig.prompts();
    messages.clear();
    m.click("startButton");
    m.capture()->press(kScanA);
    m.capture()->press(kScanB);
    m.capture()->release(kScanB);
    m.click("stopButton");
    QCOMPARE(messages.told.size(), 1);
    QCOMPARE(messages.told.at(0), QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    QCOMPARE(m.files().load(name).events.size(), 3);
}

void TestMacroEditor::mouseCommandsAndTheClipboardKeepTheLimit()
{
    MacroRig m;
    m.createMacro();
    m.click("recordDelaysCheck");
    m.click("mouseActionButton");
    QVERIFY(!m.find<QTreeWidget>("mouseCommandTree")->isHidden());
    m.clickTreeItem(QStringLiteral("LEFT CLICK")); // opens the item
    QCOMPARE(m.table()->rowCount(), 0);
    m.clickTreeItem(QStringLiteral("LEFT CLICK"));
    QCOMPARE(m.column(0),
             (QStringList{QStringLiteral("LEFT CLICK"), QString(), QStringLiteral("LEFT CLICK"), QString()}));
    QCOMPARE(m.table()->item(0, 0)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Press LEFT CLICK"));
    m.find<QLineEdit>("moveDistance2")->setText(QStringLiteral("5"));
    m.page->SelectRow(0);
    m.clickTreeItem(QStringLiteral("MOVE UP"));
    QCOMPARE(m.page->steps().events().mid(1, 2), (QVector<MacroEvent>{ev(2, 251, 0), ev(6, 0, 10)}));
    QCOMPARE(m.table()->currentRow(), 2);
    QCOMPARE(m.column(0).at(1), QStringLiteral("MOVE UP 5"));

    // Copy everything and paste until the macro is full: the paste that
    // would pass the limit is refused as a whole.
    ScriptedPrompts& messages = m.rig.prompts();
    messages.clear();
    m.table()->selectAll();
    m.click("copyButton");
    for (int i = 0; i < 20 && messages.told.isEmpty(); ++i)
        m.click("pasteButton");
    QCOMPARE(messages.told.size(), 1);
    QCOMPARE(m.table()->rowCount(), 6 * 14); // 84, the most a button holds
    m.click("insertDelayButton");
    QCOMPARE(m.table()->rowCount(), 84);

    m.table()->selectAll();
    m.click("cutButton");
    QCOMPARE(m.table()->rowCount(), 0);
    m.click("deleteStepButton"); // nothing to act on
    m.click("pasteButton");
    QCOMPARE(m.table()->rowCount(), 84);
}

void TestMacroEditor::editModeRewritesTheSelectedStep()
{
    MacroRig m;
    const QString name = m.createMacro();
    MacroRecord macro = m.files().load(name);
    macro.events = {ev(132, 0, 4), ev(6, 0, 10), ev(2, 0, 5)};
    QVERIFY(m.files().save(macro).isOk());
    m.choose(name);
    QCOMPARE(m.table()->currentRow(), 2);
    auto* distance = m.find<QLineEdit>("editDistanceEdit");
    auto* delay = m.find<QLineEdit>("editDelayEdit");
    QVERIFY(!distance->isEnabled());

    m.click("editButton");
    QVERIFY(m.page->isEditing());
    QCOMPARE(distance->text(), QStringLiteral("5"));
    distance->clear();
    QTest::keyClicks(distance, QStringLiteral("500"));
    QCOMPARE(distance->text(), QStringLiteral("120"));
    m.page->SelectRow(1);
    QCOMPARE(delay->text(), QStringLiteral("10"));
    delay->clear();
    QTest::keyClicks(delay, QStringLiteral("300"));
    QVERIFY(!m.rig.keyboardCaptures().isEmpty() ? !m.capture()->isActive() : true);
    m.page->SelectRow(0); // a key step: keys are captured now
    QVERIFY(m.capture()->isActive());
    m.capture()->press(kScanB);
    QCOMPARE(m.page->steps().events(), (QVector<MacroEvent>{ev(132, 0, 5), ev(6, 1, 44), ev(2, 0, 120)}));
    QCOMPARE(m.column(0).at(0), QStringLiteral("Press B"));

    m.click("cancelButton"); // back to the file
    QVERIFY(!m.page->isEditing());
    QVERIFY(!m.capture()->isActive());
    QCOMPARE(m.page->steps().events(), macro.events);

    m.page->SelectRow(1);
    m.click("editButton");
    QTest::keyClicks(delay, QStringLiteral("0")); // 10 becomes 100
    m.click("saveButton");
    QVERIFY(!m.page->isEditing());
    QCOMPARE(m.files().load(name).events.at(1), ev(6, 0, 100));
}

void TestMacroEditor::storedStepsLoadByTheTableRules()
{
    MacroRig m;
    m.rig.dir().writeFile(QStringLiteral("Configs/MacroDB/stored.MSMACRO"),
                          "[Setting]\nDelayType=2\nDefaultDelay=30\nLoopType=2\nLoopTime=9\nCount=5\n"
                          "Map_0=2\nDataH_0=0\nDataL_0=200\nMap_1=129\nDataH_1=0\nDataL_1=3\n"
                          "Map_2=132\nDataH_2=7\nDataL_2=4\nMap_3=5\nDataH_3=0\nDataL_3=0\n"
                          "Map_4=1\nDataH_4=0\nDataL_4=16\n");
    QVERIFY(MacroList(m.rig.paths()).add(QStringLiteral("stored")).isOk());
    m.page->reinitialise();
    m.choose(QStringLiteral("stored"));
    QCOMPARE(m.column(0), (QStringList{QStringLiteral("MOVE LEFT 56"), QStringLiteral("Press A"),
                                       QStringLiteral("BACKWARD")}));
    QCOMPARE(m.table()->currentRow(), 2);
    QVERIFY(m.find<QCheckBox>("defaultDelaysCheck")->isChecked());
    QVERIFY(!m.find<QCheckBox>("recordDelaysCheck")->isChecked());
    QVERIFY(m.find<QCheckBox>("repeatWhileHeldCheck")->isChecked());
    QCOMPARE(m.find<QLineEdit>("loopTimeEdit")->text(), QStringLiteral("9"));
    QCOMPARE(m.find<QLineEdit>("defaultDelayEdit")->text(), QStringLiteral("30"));
}

void TestMacroEditor::listOperationsKeepFilesAndSlotsTogether()
{
    MacroRig m;
    MacroList list(m.rig.paths());
    for (int i = 0; i < 48; ++i)
        QVERIFY(list.add(QStringLiteral("m%1").arg(i)).isOk());
    m.page->reinitialise();
    ScriptedPrompts& messages = m.rig.prompts();
    messages.clear();
    QCOMPARE(m.createMacro(), QStringLiteral("name_1"));
    QCOMPARE(m.createMacro(), QStringLiteral("name_2")); // the 50th
    QCOMPARE(m.createMacro(), QStringLiteral("name_2")); // refused
    QCOMPARE(messages.told.size(), 1);
    QCOMPARE(messages.told.at(0), QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
    QCOMPARE(messages.titles.at(0), QStringLiteral("WARNING"));
    QVERIFY(!m.files().exists(QStringLiteral("name_3")));

    // A renamed macro stays bound to the buttons that use it.
    ButtonAssignment& bound = m.rig.workspace().current().buttons[2];
    bound.Fun = FunctionTable::Macro;
    bound.macroname = QStringLiteral("name_2");
    QSignalSpy edited(m.page, &EditorPage::edited);
    m.choose(QStringLiteral("name_2"));
    m.find<QLineEdit>("macroNameEdit")->setText(QStringLiteral("name_1"));
    m.click("changeNameButton");
    QCOMPARE(m.page->shownMacro(), QStringLiteral("name_1_1")); // name_1 is taken
    QCOMPARE(bound.macroname, QStringLiteral("name_1_1"));
    QCOMPARE(edited.count(), 1);
    QVERIFY(!m.files().exists(QStringLiteral("name_2")));
    QCOMPARE(list.entries().at(49), QStringLiteral("name_1_1"));

    // Deleting frees the slot and the file, and shows the next macro.
    m.choose(QStringLiteral("name_1"));
    m.click("deleteMacroButton");
    QVERIFY(!m.files().exists(QStringLiteral("name_1")));
    QCOMPARE(list.entries().at(48), QString());
    QCOMPARE(m.page->shownMacro(), QStringLiteral("name_1_1"));

    // Import refuses a name that exists; export copies, batch exports the ticked ones.
    QTemporaryDir outside;
    m.chooser->save = outside.filePath(QStringLiteral("copy.MSMACRO"));
    m.click("exportButton");
    QVERIFY(QFileInfo::exists(m.chooser->save));
    m.chooser->open = QStringList{m.files().macroPath(QStringLiteral("name_1_1"))};
    m.click("importButton");
    QCOMPARE(messages.told.last(), QStringLiteral("Macro Exist!"));
    m.chooser->open = QStringList{m.chooser->save};
    m.click("importButton");
    QCOMPARE(m.page->shownMacro(), QStringLiteral("copy"));
    QVERIFY(list.contains(QStringLiteral("copy")));

    m.click("batchCheck");
    m.list()->findItems(QStringLiteral("name_1_1"), Qt::MatchExactly).first()->setCheckState(Qt::Checked);
    m.list()->findItems(QStringLiteral("copy"), Qt::MatchExactly).first()->setCheckState(Qt::Checked);
    QTemporaryDir batch;
    m.chooser->folderAnswer = batch.path();
    m.click("exportButton");
    QCOMPARE(QDir(batch.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("copy.MSMACRO"), QStringLiteral("name_1_1.MSMACRO")}));
}

void TestMacroEditor::unsafeNamesAreRefusedEverywhere()
{
    MacroRig m;
    const QString name = m.createMacro();
    const QStringList before = filesBelow(m.rig.dir().path());
    ScriptedPrompts& messages = m.rig.prompts();
    messages.clear();
    const QStringList refused{QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("CON"), QString(),
                              QString(300, QLatin1Char('n'))};
    for (const QString& bad : refused) {
        m.find<QLineEdit>("macroNameEdit")->setText(bad);
        m.click("changeNameButton");
        QVERIFY2(messages.told.size() == refused.indexOf(bad) + 1, qPrintable(bad));
    }
    QCOMPARE(m.page->shownMacro(), name);
    QCOMPARE(MacroList(m.rig.paths()).names(), QStringList{name});

    // The file names an import can meet; '/' and names past 255 bytes
    // cannot be file names here.
    QTemporaryDir sources;
    QStringList hostile;
    for (const char* file :
         {"CON.MSMACRO", ".MSMACRO", "...MSMACRO", "blank .MSMACRO", "nul.txt.MSMACRO"}) {
        QFile f(sources.filePath(QLatin1String(file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Setting]\nCount=0\n");
        hostile.append(f.fileName());
    }
    messages.clear();
    for (const QString& source : hostile) {
        m.chooser->open = QStringList{source};
        m.click("importButton");
    }
    QCOMPARE(messages.told.size(), hostile.size());
    QCOMPARE(filesBelow(m.rig.dir().path()), before);
    QCOMPARE(MacroList(m.rig.paths()).names(), QStringList{name});
}

void TestMacroEditor::gunSetWritesAGunFile()
{
    MacroRig m;
    int runs = 0;
    m.page->setGunSetRunner([&runs](QString* name, QVector<GunShot>* shots) {
        ++runs;
        *name = QStringLiteral("ak");
        *shots = {GunShot{100, 0, 5}};
        return true;
    });
    m.click("gunSetButton");
    m.click("gunSetButton"); // the same name again: a second file beside the first
    QCOMPARE(MacroList(m.rig.paths()).names(), (QStringList{QStringLiteral("ak"), QStringLiteral("ak_2")}));
    QCOMPARE(m.page->shownMacro(), QStringLiteral("ak_2"));
    QCOMPARE(m.page->steps().events(),
             (QVector<MacroEvent>{ev(129, 0, 1), ev(1, 0, 1), ev(2, 5, 0), ev(6, 0, 100)}));
    QVERIFY(m.find<QCheckBox>("recordDelaysCheck")->isChecked());

    MacroList list(m.rig.paths());
    for (int i = 0; i < 48; ++i)
        QVERIFY(list.add(QStringLiteral("m%1").arg(i)).isOk());
    ScriptedPrompts& messages = m.rig.prompts();
    messages.clear();
    m.click("gunSetButton");
    QCOMPARE(runs, 2); // with 50 macros the dialog does not open
    QCOMPARE(messages.told.size(), 1);
}

void TestMacroEditor::gunSetDialogChecksItsInput()
{
    OakGunsetDialog dialog(nullptr, 1.0, QColor(255, 125, 0));
    dialog.show();
    auto* yes = dialog.findChild<OakPushButton*>(QStringLiteral("yesButton"));
    QTest::mouseClick(yes, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.warning());
    QCOMPARE(dialog.warning()->text(), QStringLiteral("Please input file name."));
    dialog.warning()->close();

    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("gunFileNameEdit"));
    name->setText(QStringLiteral("a/b"));
    QTest::mouseClick(yes, Qt::LeftButton);
    QVERIFY(dialog.warning());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.warning()->close();

    name->setText(QStringLiteral("ak"));
    dialog.findChild<OakPushButton*>(QStringLiteral("bulletsButton"))->menu()->actions().at(1)->trigger();
    dialog.findChild<QSpinBox*>(QStringLiteral("gunPullX0"))->setValue(-7);
    dialog.findChild<QSpinBox*>(QStringLiteral("gunPullY2"))->setValue(50); // a row not in use
    QVERIFY(!dialog.findChild<QSpinBox*>(QStringLiteral("gunPullY2"))->isEnabled());
    QTest::mouseClick(yes, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.fileName(), QStringLiteral("ak"));
    QCOMPARE(dialog.shots().size(), 2);
    QCOMPARE(dialog.shots().at(0).x, -7);
    QCOMPARE(dialog.shots().at(1).y, 0);
    // The next dialog offers the count chosen last.
    QCOMPARE(OakGunsetDialog(nullptr, 1.0, QColor()).bulletCount(), 2);
}

void TestMacroEditor::recordedMacroReachesTheMouse()
{
    MacroRig m;
    const QString name = m.createMacro();
    m.click("recordDelaysCheck");
    m.click("startButton");
    m.capture()->press(kScanA);
    m.now += 20;
    m.capture()->release(kScanA);
    m.click("stopButton");
    m.click("saveButton");

    const QVector<MacroEvent> steps{ev(132, 0, 4), ev(6, 0, 20), ev(4, 0, 4)};
    QCOMPARE(m.files().readEvents(name), steps);
    ProfileWorkspace& workspace = m.rig.workspace();
    ButtonAssignment& button = workspace.working().profiles[0].buttons[3]; // device slot 3
    button.Fun = FunctionTable::Macro;
    button.macroname = name;
    button.LoopNumber = 1;
    button.Res1 = 0;
    button.setMacroSteps(m.files().readEvents(name));
    workspace.working().ProfileID = 0;

    auto* commit = m.rig.find<CommitController>(QStringLiteral("commitController"));
    QSignalSpy committed(commit, &CommitController::committed);
    QVERIFY(commit->apply());
    QVERIFY(committed.wait(20000));

    const OnBoardState state = m.rig.mouse().state();
    // A macro with its own delays is stored as it is: Map, DataL, DataH per step.
    const QByteArray image = QByteArray::fromHex("840400"
                                                 "061400"
                                                 "040400");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(state.macroSlots[0].data()), image.size() + 3),
             image + QByteArray(3, '\0'));
    QCOMPARE(int(state.buttonSlots[3][0]), int(FunctionTable::MacroType));
    QCOMPARE(int(state.buttonSlots[3][1]), 0); // macro slot 0, played once
    QCOMPARE(int(state.buttonSlots[3][2]), 1);
}

void TestMacroEditor::screensAtTwoScales()
{
    for (double scale : {1.0, 2.0}) {
        const QString suffix = QStringLiteral("-%1x").arg(scale);
        MacroRig m(scale);
        m.rig.window().show();
        QCOMPARE(m.page->width(), int(665 * scale));
        checkLayout(m.page);
        keepScreen(m.page, QStringLiteral("macro-empty") + suffix);

        m.createMacro();
        m.click("recordDelaysCheck");
        m.click("startButton");
        m.capture()->press(kScanA);
        m.now += 35;
        m.capture()->release(kScanA);
        checkLayout(m.page);
        keepScreen(m.page, QStringLiteral("macro-recording") + suffix);
        m.click("stopButton");
        m.click("mouseActionButton");
        m.clickTreeItem(QStringLiteral("RIGHT CLICK"));
        m.clickTreeItem(QStringLiteral("RIGHT CLICK"));
        m.clickTreeItem(QStringLiteral("MOVE DOWN"));
        checkLayout(m.page);
        keepScreen(m.page, QStringLiteral("macro-steps") + suffix);
        if (scale == 1.0)
            keepScreen(&m.rig.window(), QStringLiteral("window-macro"));

        OakGunsetDialog dialog(&m.rig.window(), scale, QColor(255, 125, 0));
        dialog.show();
        checkLayout(&dialog);
        keepScreen(&dialog, QStringLiteral("gunset") + suffix);
    }
}

void TestMacroEditor::chineseCaptionsFit()
{
    MacroRig m;
    m.rig.window().show();
    m.createMacro();
    m.click("mouseActionButton");
    QMenu* languages = m.rig.find<OakPushButton>(QStringLiteral("languageButton"))->menu();
    for (int language : {1, 2}) {
        languages->actions().at(language)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(m.find("startButton")->text(),
                 language == 1 ? QStringLiteral("开始录制") : QStringLiteral("開始錄製"));
        checkLayout(m.page);
        keepScreen(m.page, QStringLiteral("macro-lang%1").arg(language));
        OakGunsetDialog dialog(&m.rig.window(), 1.0, QColor(255, 125, 0));
        checkLayout(&dialog);
        keepScreen(&dialog, QStringLiteral("gunset-lang%1").arg(language));
    }
    languages->actions().at(0)->trigger();
}

QTEST_MAIN(TestMacroEditor)
#include "tst_macroeditor.moc"
