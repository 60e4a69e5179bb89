// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/MacroList.h"
#include "storage/MacroRecord.h"
#include "storage/StorageResult.h"

#include <QString>
#include <QVector>

// The macro files "<name>.MSMACRO" in the macro folder, every key in section
// "Setting", and their places in the macro list. A name that is not a safe
// file name is refused on writes and reads as an empty macro.
class MacroFiles
{
public:
    // A Count beyond this comes from a damaged file; no editor or button
    // holds more events.
    static constexpr int kMaxEvents = 1024;
    // Far beyond the largest macro file (kMaxEvents events take some 50 KB).
    static constexpr qint64 kMaxFileBytes = 256 * 1024;

    explicit MacroFiles(const AppPaths& paths);

    QString macroDir() const { return m_macroDir; }
    // Empty when the name is not a safe file name.
    QString macroPath(const QString& name) const;
    bool exists(const QString& name) const;

    // Writes the settings, Count and the events of the record under its
    // name; with writeChangeMark also WriteSign 1 (gun files carry none).
    StorageResult save(const MacroRecord& macro, bool writeChangeMark = true);
    MacroRecord load(const QString& name) const;
    // Count and events only, as a button binding and the download read them.
    QVector<MacroEvent> readEvents(const QString& name) const;
    // Clears WriteSign when it is set; wasMarked tells whether it was.
    StorageResult readAndClearChangeMark(const QString& name, bool* wasMarked = nullptr);

    // "name_<n>" with the smallest n whose file does not exist.
    QString newMacroName() const;
    // `base` when no macro of that name exists (as a file or in the list),
    // else "base_<n>" with the smallest free n from firstSuffix upward; empty
    // when base or the suffixed name is not a safe name.
    QString freeName(const QString& base, int firstSuffix) const;
    // Renames a macro's file and its list entry to `requested`, or to
    // "requested_<n>" (n from 1) when that name is taken; finalName receives
    // the name used. A name that is not safe is refused with its reason.
    StorageResult renameMacro(const QString& oldName, const QString& requested, QString* finalName = nullptr);
    // Saves an empty macro (default delay 10, loop time 1) under a new name
    // and lists it; fails when the list is full.
    StorageResult createMacro(QString* name);
    StorageResult removeMacro(const QString& name);
    // Copies the macro's file to target. An existing target is left as it
    // is, unless replace says the user chose to write over it.
    StorageResult exportMacro(const QString& name, const QString& target, bool replace = false);
    // Copies a macro file into the macro folder under its own base name and
    // lists it; refused with "Macro Exist!" when that name is taken, and
    // refused when the file is no macro file.
    StorageResult importMacro(const QString& source, QString* importedName = nullptr);

    static QString existsMessage();
    // Whether a file outside the folder is a macro file: a regular file of a
    // macro's size whose settings count its events.
    static bool isMacroFile(const QString& path);

private:
    StorageResult checkedPath(const QString& name, QString* path) const;

    AppPaths m_paths;
    QString m_macroDir;
    MacroList m_list;
};
