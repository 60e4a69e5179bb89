// SPDX-License-Identifier: GPL-3.0-or-later
// The macro list of the macro page and the files behind it: load, save,
// new, delete, rename, import, export and gun files. Every name reaches the
// disk through MacroFiles, which refuses names that are not safe.
#include "editors/PageEnvironment.h"
#include "editors/UserPrompts.h"
#include "editors/macro/MacroDialog.h"
#include "editors/macro/MacroFileChooser.h"
#include "editors/macro/MacroSettingsPanel.h"
#include "editors/macro/MacroStepTable.h"
#include "storage/MacroBindings.h"
#include "storage/MacroFiles.h"
#include "storage/MacroList.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileDefaults.h"
#include "storage/ProfileSet.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

void MacroDialog::report(const QString& message, const QString& title)
{
    if (!message.isEmpty())
        environment().prompts().tell(message, title);
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

// A macro edited before shows as it was left.
void MacroDialog::loadMacro(const QString& name)
{
    m_shownName = name;
    m_nameEdit->setText(name);
    m_stored = MacroRecord();
    m_stored.name = name;
    if (name.isEmpty()) {
        m_steps.clear();
        showSteps(-1);
        updateEditingBar();
        return;
    }
    m_stored = MacroFiles(environment().paths()).load(name);
    m_stored.name = name;
    const MacroRecord shown = m_drafts.draft(name).value_or(m_stored);
    m_settings->showSettings(shown);
    m_steps.load(shown.events);
    showSteps(m_steps.size() - 1);
    updateEditingBar();
}

MacroRecord MacroDialog::shownRecord() const
{
    MacroRecord macro;
    macro.name = m_shownName;
    m_settings->fillSettings(macro);
    macro.events = m_steps.events();
    return macro;
}

void MacroDialog::noteShownEdit()
{
    if (m_shownName.isEmpty())
        return;
    const bool before = m_drafts.isEmpty();
    m_drafts.note(shownRecord(), m_stored);
    if (before != m_drafts.isEmpty())
        Q_EMIT edited();
}

bool MacroDialog::saveShownMacro()
{
    if (m_shownName.isEmpty())
        return false;
    const MacroRecord macro = shownRecord();
    const StorageResult saved = MacroFiles(environment().paths()).save(macro);
    report(saved.errorMessage());
    if (saved.isOk()) {
        m_stored = macro;
        noteShownEdit();
    }
    return saved.isOk();
}

void MacroDialog::collect(ProfileSet&)
{
    noteShownEdit();
    if (m_drafts.isEmpty())
        return;
    MacroFiles files(environment().paths());
    report(m_drafts.saveAll(files).errorMessage());
    if (!m_drafts.draft(m_shownName))
        m_stored = shownRecord();
    Q_EMIT edited();
}

void MacroDialog::discardEdits()
{
    if (m_recording)
        stopRecording();
    leaveEditMode();
    const bool had = !m_drafts.isEmpty();
    m_drafts.clear();
    loadMacro(m_shownName);
    if (had)
        Q_EMIT edited();
}

bool MacroDialog::listIsFull()
{
    if (MacroList(environment().paths()).countInUse() < MacroList::kSlotCount)
        return false;
    report(MacroList::fullMessage(), tr("WARNING"));
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
    const QString name = m_list->item(row)->text();
    const int bound = m_set ? MacroBindings::count(*m_set, name) : 0;
    if (bound > 0 && !environment().prompts().ask(tr("Buttons bound to the macro %1: %2. Delete it and give "
                                                     "those buttons their factory function?")
                                                      .arg(name)
                                                      .arg(bound)))
        return;
    leaveEditMode();
    const StorageResult removed = MacroFiles(environment().paths()).removeMacro(name);
    report(removed.errorMessage());
    if (removed.isOk()) {
        m_drafts.remove(name);
        releaseBoundButtons(name);
    }
    const QStringList names = MacroList(environment().paths()).names();
    reloadList(names.value(qMin(row, int(names.size()) - 1)));
}

// The buttons of a deleted macro get their factory function: bound to a
// name without a file, they would play an empty macro.
bool MacroDialog::releaseBoundButtons(const QString& name)
{
    if (!m_set)
        return false;
    ProfileData factory;
    ProfileDefaults::resetProfile(factory,
                                  ProductDescription(environment().paths().productDescriptionFile()));
    if (MacroBindings::release(*m_set, name, factory) == 0)
        return false;
    Q_EMIT edited();
    Q_EMIT setChanged();
    return true;
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
    noteShownEdit();
    m_drafts.rename(oldName, renamed);
    rebindRenamed(oldName, renamed);
    reloadList(renamed);
}

// Buttons bind a macro by name: a renamed macro stays bound to them.
void MacroDialog::rebindRenamed(const QString& oldName, const QString& newName)
{
    if (m_set && MacroBindings::rename(*m_set, oldName, newName) > 0) {
        Q_EMIT edited();
        Q_EMIT setChanged();
    }
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
