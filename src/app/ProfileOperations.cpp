// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileOperations.h"

#include "app/CommitController.h"
#include "device/ApplyJob.h"
#include "editors/UserPrompts.h"
#include "hid/TransferResult.h"
#include "storage/AppConfig.h"
#include "storage/ConfigurationFile.h"
#include "storage/FileNames.h"
#include "storage/IniReader.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileWorkspace.h"
#include "storage/SlotNames.h"

#include <QDebug>
#include <QFileInfo>

namespace {

// The worker's "mouse absent" result, besides the transfer's own.
constexpr quint8 kMouseAbsent = 5;
constexpr int kLightingTab = 0;

} // namespace

ProfileOperations::ProfileOperations(ProfileWorkspace& workspace, CommitController& commit,
                                     const ModelDescription& model, UserPrompts& prompts, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_commit(commit), m_model(model), m_prompts(prompts)
{
    connect(&m_commit, &CommitController::committed, this, &ProfileOperations::showCommitResult);
    connect(&m_commit, &CommitController::refused, this, [this](const QString& message) {
        if (m_awaitingResult)
            m_prompts.tell(message);
    });
}

bool ProfileOperations::isDefaultProfile(const QString& name)
{
    for (int n = 1; n <= 5; ++n) {
        if (name == QStringLiteral("Profile %1").arg(n))
            return true;
    }
    return false;
}

ProfileFiles ProfileOperations::files() const
{
    return ProfileFiles(m_workspace.paths(), m_workspace.modelName());
}

QString ProfileOperations::currentName() const
{
    return m_workspace.slotName(m_workspace.currentSlot());
}

bool ProfileOperations::report(const StorageResult& result)
{
    if (!result.isOk())
        m_prompts.tell(result.errorMessage());
    return result.isOk();
}

void ProfileOperations::reloadLibrary()
{
    m_library = AppConfig(m_workspace.paths()).profileList(m_workspace.modelName());
    // A fresh install has its five profiles but no list yet: they are offered
    // all the same (the list is written at its first change).
    if (m_library.isEmpty())
        adoptSlotNames();
    Q_EMIT libraryChanged(m_library);
}

bool ProfileOperations::writeLibrary()
{
    const bool written =
        report(AppConfig(m_workspace.paths()).writeProfileList(m_workspace.modelName(), m_library));
    Q_EMIT libraryChanged(m_library);
    return written;
}

void ProfileOperations::adoptSlotNames()
{
    for (int slot = 0; slot < 5; ++slot) {
        const QString name = m_workspace.slotName(slot);
        if (!name.isEmpty() && !m_library.contains(name))
            m_library.append(name);
    }
}

// The slot takes the named profile from its file.
void ProfileOperations::takeIntoCurrent(const QString& name)
{
    m_workspace.loadIntoCurrent(name);
    Q_EMIT currentNameChanged(name);
}

void ProfileOperations::add()
{
    const ProfileFiles profiles = files();
    QString name;
    for (int n = 1;; ++n) {
        name = QStringLiteral("Profile %1").arg(n);
        // A listed name without a file is taken too, and so is one a slot
        // holds: neither the list nor the slots may name one profile twice.
        if (!profiles.exists(name) && !m_library.contains(name) && m_workspace.slotHolding(name) < 0)
            break;
    }
    if (!report(files().copyProfile(profiles.defaultProfilePath(), name)))
        return;
    m_library.append(name);
    writeLibrary();
    takeIntoCurrent(name);
}

// The entry after the deleted one, or before it when it was last; entries
// held by another slot are stepped over backwards, and forwards when none is
// left before. Never the deleted entry itself; empty when every other entry
// is held by another slot.
QString ProfileOperations::deleteSuccessor(int deleted) const
{
    const int count = m_library.size();
    const int current = m_workspace.currentSlot();
    auto usable = [&](int index) {
        return index >= 0 && index < count && index != deleted &&
               m_workspace.slotHolding(m_library.at(index), current) < 0;
    };
    int pick = deleted + 1 < count ? deleted + 1 : deleted - 1;
    for (int index = pick; index >= 0; --index) {
        if (usable(index))
            return m_library.at(index);
    }
    for (int index = pick + 1; index < count; ++index) {
        if (usable(index))
            return m_library.at(index);
    }
    return QString();
}

void ProfileOperations::remove()
{
    if (m_library.size() <= 1) {
        m_prompts.tell(tr("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    }
    const QString name = currentName();
    if (isDefaultProfile(name)) {
        m_prompts.tell(tr("The default Profile cannot be deleted or renamed."));
        return;
    }
    const int index = m_library.indexOf(name);
    const QString successor = deleteSuccessor(index);
    if (successor.isEmpty()) {
        m_prompts.tell(tr("Every other profile is in use by another slot."));
        return;
    }
    if (!m_prompts.ask(tr("Are you sure you want delete this profile?")))
        return;
    m_library.removeAll(name);
    takeIntoCurrent(successor);
    // The library and the slot names go first, the file last: the next
    // start must not find the profile listed without its file, which it
    // would bring back as a factory profile.
    AppConfig config(m_workspace.paths());
    if (!writeLibrary() || !report(config.writeProfileAssignment(m_workspace.storedAssignment(name))))
        return;
    report(files().removeProfile(name));
}

QString ProfileOperations::freeCopyName(const QString& source) const
{
    QString name;
    for (int n = 1; name.isEmpty() || isTaken(name); ++n)
        name = SlotNames::copyName(source, n);
    return name;
}

bool ProfileOperations::isTaken(const QString& name) const
{
    return files().exists(name) || m_library.contains(name);
}

void ProfileOperations::copy()
{
    const QString source = currentName();
    const ProfileFiles profiles = files();
    const QString sourcePath = profiles.profilePath(source);
    const QString name = freeCopyName(source);
    // A profile that never reached its file is copied from memory.
    const StorageResult copied = QFileInfo::exists(sourcePath)
                                     ? files().copyProfile(sourcePath, name)
                                     : files().saveNamedProfile(m_workspace.current(), name);
    if (!report(copied))
        return;
    m_library.append(name);
    // The record already equals the copy; only its name changes.
    m_workspace.nameCurrent(name);
    Q_EMIT currentNameChanged(name);
    writeLibrary();
}

void ProfileOperations::rename(const QString& newName)
{
    const QString oldName = currentName();
    if (isDefaultProfile(oldName)) {
        m_prompts.tell(tr("The default Profile cannot be deleted or renamed."));
        Q_EMIT currentNameChanged(oldName);
        return;
    }
    // Enter without a change is no rename.
    if (newName == oldName)
        return;
    const QString nameError = FileNames::nameError(newName);
    const bool exists = nameError.isEmpty() && files().exists(newName);
    if (!nameError.isEmpty() || exists) {
        m_prompts.tell(exists ? ProfileFiles::existsMessage() : nameError);
        Q_EMIT currentNameChanged(oldName);
        return;
    }
    // The file under its new name, the library and the slot names, then the
    // old file goes: an end at any point leaves every listed name its file.
    const ProfileFiles profiles = files();
    if (profiles.exists(oldName) && !report(files().copyProfile(profiles.profilePath(oldName), newName))) {
        Q_EMIT currentNameChanged(oldName);
        return;
    }
    const int index = m_library.indexOf(oldName);
    if (index >= 0)
        m_library[index] = newName;
    else
        m_library.append(newName);
    m_workspace.renameCurrent(newName);
    AppConfig config(m_workspace.paths());
    if (writeLibrary() && report(config.writeProfileAssignment(m_workspace.storedAssignment())))
        report(files().removeProfile(oldName));
}

void ProfileOperations::choose(const QString& name)
{
    if (m_workspace.slotHolding(name, m_workspace.currentSlot()) >= 0) {
        m_prompts.tell(tr("Profile is Already Used!"));
        return;
    }
    takeIntoCurrent(name);
}

void ProfileOperations::reset()
{
    if (!m_prompts.ask(tr("Are you sure you want reset this profile?")))
        return;
    qDebug("Accepted %d", m_workspace.currentSlot());
    m_workspace.resetCurrent();
    Q_EMIT currentNameChanged(currentName());
    commitNow(false);
}

void ProfileOperations::resetAll()
{
    if (!m_prompts.ask(tr("Are you sure you want reset all profiles?")))
        return;
    m_workspace.resetAll();
    adoptSlotNames();
    writeLibrary();
    Q_EMIT currentNameChanged(currentName());
    commitNow(false);
}

void ProfileOperations::importProfile()
{
    const QString path = m_prompts.openFile(tr("Load Profile File"), tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    if (ProfileFiles::readProductMarker(path) != m_workspace.modelName()) {
        m_prompts.tell(ProfileFiles::wrongModelMessage());
        return;
    }
    QString name;
    if (!report(files().importProfile(path, m_workspace.modelName(), &name)))
        return;
    m_library.append(name);
    writeLibrary();
    takeIntoCurrent(name);
    commitNow(false);
}

void ProfileOperations::exportProfile()
{
    const QString path = m_prompts.saveFile(tr("Save Profile File"), tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    // The dialog has asked already whether a file there may be replaced.
    report(files().exportProfile(currentName(), m_workspace.modelName(), path, true));
}

void ProfileOperations::saveConfiguration()
{
    const QString path = m_prompts.saveFile(tr("Save Config File"), tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    report(ConfigurationFile(path).exportConfiguration(m_workspace.working(), m_workspace.modelName()));
}

void ProfileOperations::loadConfiguration()
{
    const QString path = m_prompts.openFile(tr("Load Config File"), tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    const QString unreadable = IniReader(path).error();
    if (!unreadable.isEmpty()) {
        m_prompts.tell(unreadable);
        return;
    }
    if (ProfileFiles::readProductMarker(path) != m_workspace.modelName()) {
        qDebug().noquote() << "configuration of another model ignored:" << path;
        return;
    }
    ProfileSet loaded = m_workspace.working();
    ConfigurationFile(path).importConfiguration(loaded);
    const QString refusal = SlotNames::refusal(loaded);
    if (!refusal.isEmpty()) {
        m_prompts.tell(refusal);
        return;
    }
    tellSeparated(
        loaded, SlotNames::separateDuplicates(loaded, [this](const QString& name) { return isTaken(name); }));
    m_workspace.working() = loaded;
    Q_EMIT tabRequested(kLightingTab);
    m_workspace.noteReplaced();
    adoptSlotNames();
    writeLibrary();
    Q_EMIT currentNameChanged(currentName());
    commitNow(false);
}

// One profile named for two slots would have both records saved into its
// one file: the later slots hold copies under names of their own.
void ProfileOperations::tellSeparated(const ProfileSet& set, const QVector<int>& renamed)
{
    QStringList lines;
    for (int slot : renamed)
        lines.append(tr("The configuration names one profile for several slots: slot %1 now holds \"%2\".")
                         .arg(slot + 1)
                         .arg(set.profileNames[slot]));
    if (!lines.isEmpty())
        m_prompts.tell(lines.join(QLatin1Char('\n')));
}

// OK collects the pages as Apply does: a value a page holds but has not yet
// written into the record would otherwise be lost on the way to the mouse.
void ProfileOperations::ok()
{
    m_hideAfterCommit = commitNow(true);
}

void ProfileOperations::apply()
{
    commitNow(true);
}

// Only the results of commits started here are shown here: another user of
// the controller reports its own.
bool ProfileOperations::commitNow(bool collectPages)
{
    m_awaitingResult = true;
    const bool started = collectPages ? m_commit.apply() : m_commit.commit();
    m_awaitingResult = started;
    return started;
}

void ProfileOperations::cancel()
{
    Q_EMIT hideRequested();
    m_commit.discard();
    Q_EMIT currentNameChanged(currentName());
}

QStringList ProfileOperations::commitMessages(const ApplyOutcome& outcome)
{
    QStringList messages;
    if (!outcome.saved.isOk())
        messages.append(outcome.saved.errorMessage());
    if (outcome.result == TransferNoDevice || outcome.result == kMouseAbsent)
        messages.append(tr("Mouse is sleeping or not connected."));
    else if (outcome.result != TransferOk)
        messages.append(tr("Send data failed, please try again."));
    return messages;
}

void ProfileOperations::showCommitResult(const ApplyOutcome& outcome)
{
    if (!m_awaitingResult)
        return;
    m_awaitingResult = false;
    const QStringList messages = commitMessages(outcome);
    for (const QString& message : messages) {
        // The transfer's failure is asked as the original does (kind 1);
        // a file that was not written is told.
        if (message == messages.last() && outcome.result != TransferOk)
            (void)m_prompts.ask(message);
        else
            m_prompts.tell(message);
    }
    if (m_hideAfterCommit) {
        m_hideAfterCommit = false;
        Q_EMIT hideRequested();
    }
}
