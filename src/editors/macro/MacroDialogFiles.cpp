// The macro list of the macro page and the files behind it: load, save,
// new, delete, rename, import, export and gun files. Every name reaches the
// disk through MacroFiles, which refuses names that are not safe.
#include "editors/PageEnvironment.h"
#include "editors/macro/MacroDialog.h"
#include "editors/macro/MacroFileChooser.h"
#include "editors/macro/MacroSettingsPanel.h"
#include "editors/macro/MacroStepTable.h"
#include "protocol/FunctionTable.h"
#include "storage/ButtonAssignment.h"
#include "storage/MacroFiles.h"
#include "storage/MacroList.h"
#include "storage/ProfileSet.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

void MacroDialog::report(const QString& message)
{
    if (!message.isEmpty())
        Q_EMIT messageRequested(message);
}

void MacroDialog::reloadList(const QString& select)
{
    m_list->clear();
    for (const QString& name : MacroList(environment().paths()).names()) {
        auto* item = new QListWidgetItem(name, m_list);
        if (m_batch)
            item->setCheckState(Qt::Unchecked);
    }
    const QList<QListWidgetItem*> found = m_list->findItems(select, Qt::MatchExactly);
    QListWidgetItem* item = !found.isEmpty() ? found.first() : m_list->item(0);
    m_list->setCurrentItem(item);
    loadMacro(item ? item->text() : QString());
}

void MacroDialog::itemClicked(QListWidgetItem* item)
{
    if (!item || m_recording)
        return;
    leaveEditMode();
    loadMacro(item->text());
}

void MacroDialog::loadMacro(const QString& name)
{
    m_shownName = name;
    m_nameEdit->setText(name);
    if (name.isEmpty()) {
        m_steps.clear();
        showSteps(-1);
        updateEditingBar();
        return;
    }
    const MacroRecord macro = MacroFiles(environment().paths()).load(name);
    m_settings->showSettings(macro);
    m_steps.load(macro.events);
    showSteps(m_steps.size() - 1);
    updateEditingBar();
}

bool MacroDialog::saveShownMacro()
{
    if (m_shownName.isEmpty())
        return false;
    MacroRecord macro;
    macro.name = m_shownName;
    m_settings->fillSettings(macro);
    macro.events = m_steps.events();
    const StorageResult saved = MacroFiles(environment().paths()).save(macro);
    report(saved.errorMessage());
    return saved.isOk();
}

bool MacroDialog::listIsFull()
{
    if (MacroList(environment().paths()).countInUse() < MacroList::kSlotCount)
        return false;
    report(MacroList::fullMessage());
    return true;
}

void MacroDialog::newMacro()
{
    if (listIsFull())
        return;
    QString name;
    const StorageResult created = MacroFiles(environment().paths()).createMacro(&name);
    report(created.errorMessage());
    if (created.isOk()) {
        leaveEditMode();
        reloadList(name);
    }
}

void MacroDialog::deleteMacro()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    leaveEditMode();
    report(MacroFiles(environment().paths()).removeMacro(m_list->item(row)->text()).errorMessage());
    const QStringList names = MacroList(environment().paths()).names();
    reloadList(names.value(qMin(row, int(names.size()) - 1)));
}

void MacroDialog::changeName()
{
    if (m_shownName.isEmpty())
        return;
    QString renamed;
    const QString oldName = m_shownName;
    const StorageResult result =
        MacroFiles(environment().paths()).renameMacro(oldName, m_nameEdit->text(), &renamed);
    if (!result.isOk()) {
        report(result.errorMessage());
        return;
    }
    rebindRenamed(oldName, renamed);
    reloadList(renamed);
}

// Buttons bind a macro by name: a renamed macro stays bound to them.
void MacroDialog::rebindRenamed(const QString& oldName, const QString& newName)
{
    if (!m_set || oldName == newName)
        return;
    bool changed = false;
    for (ProfileData& profile : m_set->profiles) {
        for (ButtonAssignment& button : profile.buttons) {
            const bool bound = button.Fun == FunctionTable::Macro || button.Fun == FunctionTable::GunMacro;
            if (bound && button.macroname == oldName) {
                button.macroname = newName;
                changed = true;
            }
        }
    }
    if (changed)
        Q_EMIT edited();
}

void MacroDialog::importMacros()
{
    QStringList sources;
    if (m_batch)
        sources = m_chooser->openFiles(this);
    else if (const QString one = m_chooser->openFile(this); !one.isEmpty())
        sources.append(one);
    if (sources.isEmpty())
        return;
    MacroFiles files(environment().paths());
    StorageResult result = StorageResult::success();
    QString last;
    for (const QString& source : sources) {
        QString name;
        const StorageResult imported = files.importMacro(source, &name);
        result += imported;
        if (imported.isOk())
            last = name;
    }
    report(result.errorMessage());
    if (!last.isEmpty()) {
        leaveEditMode();
        reloadList(last);
    }
}

void MacroDialog::exportMacros()
{
    MacroFiles files(environment().paths());
    if (!m_batch) {
        if (m_shownName.isEmpty())
            return;
        const QString target = m_chooser->saveFile(this, m_shownName);
        if (!target.isEmpty())
            report(files.exportMacro(m_shownName, target, true).errorMessage());
        return;
    }
    QStringList ticked;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            ticked.append(m_list->item(i)->text());
    }
    if (ticked.isEmpty())
        return;
    const QString folder = m_chooser->folder(this);
    if (folder.isEmpty())
        return;
    StorageResult result = StorageResult::success();
    for (const QString& name : ticked)
        result += files.exportMacro(name, QDir(folder).filePath(name + QStringLiteral(".MSMACRO")));
    report(result.errorMessage());
}

void MacroDialog::toggleBatch()
{
    m_batch = m_batchCheck->isChecked();
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_batch)
            m_list->item(i)->setCheckState(Qt::Unchecked);
        else
            m_list->item(i)->setData(Qt::CheckStateRole, QVariant());
    }
}

void MacroDialog::gunSet()
{
    if (listIsFull())
        return;
    QString name;
    QVector<GunShot> shots;
    if (!m_runGunSet || !m_runGunSet(&name, &shots))
        return;
    QString written;
    const StorageResult result = GunFile::write(environment().paths(), name, shots, m_unitMs, &written);
    report(result.errorMessage());
    if (result.isOk()) {
        leaveEditMode();
        reloadList(written);
    }
}
