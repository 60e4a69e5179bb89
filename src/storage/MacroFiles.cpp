// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MacroFiles.h"

#include "storage/FileCopy.h"
#include "storage/FileNames.h"
#include "storage/FileStore.h"
#include "storage/IniFile.h"
#include "storage/IniReader.h"
#include "storage/SettingsValues.h"
#include "storage/SettingsWriter.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kExtension = QStringLiteral(".MSMACRO");

QString key(const char* name)
{
    return QStringLiteral("Setting/") + QLatin1String(name);
}
QString eventKey(const char* name, int i)
{
    return QStringLiteral("Setting/") + QLatin1String(name) + QString::number(i);
}

QVector<MacroEvent> readEventsFrom(const IniReader& file)
{
    using SettingsValues::readByte;
    const int count = qBound(0, SettingsValues::readInt(file, key("Count")), MacroFiles::kMaxEvents);
    QVector<MacroEvent> events(count);
    for (int i = 0; i < count; ++i) {
        events[i].DataH = readByte(file, eventKey("DataH_", i));
        events[i].DataL = readByte(file, eventKey("DataL_", i));
        events[i].Map = readByte(file, eventKey("Map_", i));
    }
    return events;
}

} // namespace

MacroFiles::MacroFiles(const AppPaths& paths) : m_paths(paths), m_macroDir(paths.macroDir()), m_list(paths) {}

bool MacroFiles::isMacroFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes)
        return false;
    const IniReader file(path);
    bool counted = false;
    const int count = file.value(key("Count")).toInt(&counted);
    return counted && count >= 0 && count <= kMaxEvents;
}

QString MacroFiles::existsMessage()
{
    return QCoreApplication::translate("MacroDialog", "Macro Exist!");
}

QString MacroFiles::macroPath(const QString& name) const
{
    return FileNames::isSafeName(name) ? m_macroDir + QLatin1Char('/') + name + kExtension : QString();
}

bool MacroFiles::exists(const QString& name) const
{
    const QString path = macroPath(name);
    return !path.isEmpty() && m_paths.store().exists(path);
}

StorageResult MacroFiles::checkedPath(const QString& name, QString* path) const
{
    const QString error = FileNames::nameError(name);
    if (!error.isEmpty())
        return StorageResult::failure(error);
    *path = macroPath(name);
    return StorageResult::success();
}

StorageResult MacroFiles::save(const MacroRecord& macro, bool writeChangeMark)
{
    QString path;
    StorageResult result = checkedPath(macro.name, &path);
    if (!result.isOk())
        return result;
    SettingsWriter writer(m_paths.store(), path);
    SettingsWriter& s = writer.settings();
    s.setValue(key("MacroFilePath"), path);
    s.setValue(key("DefaultDelay"), macro.DefaultDelay);
    s.setValue(key("DelayType"), macro.DelayType);
    s.setValue(key("LoopType"), macro.LoopType);
    s.setValue(key("LoopTime"), macro.LoopTime);
    s.setValue(key("Count"), int(macro.events.size()));
    for (int i = 0; i < macro.events.size(); ++i) {
        s.setValue(eventKey("Map_", i), int(macro.events[i].Map));
        s.setValue(eventKey("DataH_", i), int(macro.events[i].DataH));
        s.setValue(eventKey("DataL_", i), int(macro.events[i].DataL));
    }
    if (writeChangeMark)
        s.setValue(key("WriteSign"), 1);
    return writer.finish();
}

MacroRecord MacroFiles::load(const QString& name) const
{
    MacroRecord macro;
    macro.name = name;
    const QString path = macroPath(name);
    if (path.isEmpty())
        return macro;
    const IniReader file(m_paths.store(), path);
    using SettingsValues::readInt;
    macro.DelayType = readInt(file, key("DelayType"));
    macro.DefaultDelay = readInt(file, key("DefaultDelay"));
    macro.LoopTime = readInt(file, key("LoopTime"));
    macro.LoopType = readInt(file, key("LoopType"));
    macro.WriteSign = readInt(file, key("WriteSign"));
    macro.events = readEventsFrom(file);
    return macro;
}

QVector<MacroEvent> MacroFiles::readEvents(const QString& name) const
{
    const QString path = macroPath(name);
    if (path.isEmpty())
        return {};
    const IniReader file(m_paths.store(), path);
    return readEventsFrom(file);
}

StorageResult MacroFiles::readAndClearChangeMark(const QString& name, bool* wasMarked)
{
    const QString path = macroPath(name);
    bool marked = false;
    if (!path.isEmpty()) {
        const IniReader file(m_paths.store(), path);
        marked = SettingsValues::readInt(file, key("WriteSign")) != 0;
    }
    if (wasMarked)
        *wasMarked = marked;
    if (!marked)
        return StorageResult::success();
    SettingsWriter writer(m_paths.store(), path);
    writer.settings().setValue(key("WriteSign"), 0);
    return writer.finish();
}

QString MacroFiles::newMacroName() const
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("name_%1").arg(n);
        if (!m_paths.store().exists(macroPath(name)))
            return name;
    }
}

QString MacroFiles::freeName(const QString& base, int firstSuffix) const
{
    if (!FileNames::isSafeName(base))
        return QString();
    const auto taken = [this](const QString& name) { return exists(name) || m_list.contains(name); };
    if (!taken(base))
        return base;
    for (int n = firstSuffix;; ++n) {
        const QString name = base + QStringLiteral("_%1").arg(n);
        if (!FileNames::isSafeName(name))
            return QString();
        if (!taken(name))
            return name;
    }
}

StorageResult MacroFiles::renameMacro(const QString& oldName, const QString& requested, QString* finalName)
{
    QString oldPath;
    StorageResult result = checkedPath(oldName, &oldPath);
    const QString error = FileNames::nameError(requested);
    if (!error.isEmpty())
        result += StorageResult::failure(error);
    if (!result.isOk())
        return result;
    if (finalName)
        *finalName = oldName;
    if (requested == oldName)
        return StorageResult::success();
    const QString name = freeName(requested, 1);
    if (name.isEmpty())
        return StorageResult::failure(FileNames::nameError(requested + QStringLiteral("_1")));
    // A copy under the new name, the list, then the old file goes: at no
    // moment does the list name a macro without its file.
    FileStore& store = m_paths.store();
    if (store.exists(oldPath)) {
        result = store.copy(oldPath, macroPath(name));
        if (!result.isOk())
            return result;
    }
    if (finalName)
        *finalName = name;
    result = m_list.rename(oldName, name);
    if (result.isOk() && store.exists(oldPath))
        result = store.remove(oldPath);
    return result;
}

StorageResult MacroFiles::createMacro(QString* name)
{
    if (m_list.countInUse() >= MacroList::kSlotCount)
        return StorageResult::failure(MacroList::fullMessage());
    MacroRecord macro;
    macro.name = newMacroName();
    macro.DefaultDelay = 10;
    macro.LoopTime = 1;
    StorageResult result = save(macro);
    if (result.isOk())
        result = m_list.add(macro.name);
    if (result.isOk() && name)
        *name = macro.name;
    return result;
}

StorageResult MacroFiles::removeMacro(const QString& name)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    if (!result.isOk())
        return result;
    // The list first, the file last: the list never names a macro without
    // its file, which would reach the mouse as an empty macro.
    result = m_list.remove(name);
    if (!result.isOk())
        return result;
    return m_paths.store().remove(path);
}

StorageResult MacroFiles::exportMacro(const QString& name, const QString& target, bool replace)
{
    QString path;
    StorageResult result = checkedPath(name, &path);
    if (!result.isOk())
        return result;
    // The copy takes the file as the program sees it.
    result = m_paths.store().flush();
    if (!result.isOk())
        return result;
    const QFileInfo existing(target);
    // Exporting a macro onto its own file leaves it as it is; removing the
    // target first would delete the macro.
    if (existing.exists() && existing.canonicalFilePath() == QFileInfo(path).canonicalFilePath())
        return StorageResult::success();
    if (existing.exists() && replace)
        return FileCopy::replace(path, target, kMaxFileBytes);
    if (existing.exists())
        return StorageResult::failure(
            QCoreApplication::translate("MacroFiles", "%1 exists already and was left as it was.")
                .arg(target));
    if (!QFile::copy(path, target))
        return StorageResult::failure(
            QCoreApplication::translate("MacroFiles", "Could not copy %1 to %2.").arg(path, target));
    return StorageResult::success();
}

StorageResult MacroFiles::importMacro(const QString& source, QString* importedName)
{
    // The macro's name is the file's name without the extension; a file
    // chosen without it still lands as "<name>.MSMACRO", so that the listed
    // name always finds its file.
    const QFileInfo info(source);
    const bool hasExtension = info.fileName().endsWith(kExtension, Qt::CaseInsensitive);
    const QString name = hasExtension ? info.fileName().chopped(kExtension.size()) : info.fileName();
    QString target;
    StorageResult result = checkedPath(name, &target);
    if (!result.isOk())
        return result;
    if (m_paths.store().exists(target))
        return StorageResult::failure(existsMessage());
    if (m_list.countInUse() >= MacroList::kSlotCount)
        return StorageResult::failure(MacroList::fullMessage());
    if (!isMacroFile(source))
        return StorageResult::failure(
            QCoreApplication::translate("MacroFiles", "%1 is not a macro file.").arg(source));
    QDir().mkpath(m_macroDir);
    // Copying from a FIFO or a device would block or never end.
    if (IniFile::isBlocked(source) || !QFile::copy(source, target))
        return StorageResult::failure(
            QCoreApplication::translate("MacroFiles", "Could not copy %1 to %2.").arg(source, target));
    if (importedName)
        *importedName = name;
    return m_list.add(name);
}
