// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"

#include <QString>
#include <QTemporaryDir>

// A throw-away application directory laid out as the build lays out the real
// one: the sample model's data, the skin and the translations. Tests write
// into it freely.
class TempAppDir
{
public:
    // withData false gives an empty application directory (no product
    // description, no configuration), for tests of missing files.
    explicit TempAppDir(bool withData = true);

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // The same paths, and so the same file store, every time: what the
    // window has written and not flushed yet is what the test reads too.
    AppPaths paths() const { return m_paths; }

    // Writes a file below the directory (creating folders); returns its path.
    QString writeFile(const QString& relativePath, const QByteArray& contents) const;
    // Path of an executable built beside the real application directory.
    static QString executable(const QString& name);

private:
    QTemporaryDir m_dir;
    AppPaths m_paths;
};
