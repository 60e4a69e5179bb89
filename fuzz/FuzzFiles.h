// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// Each run of a reader gets an application directory of its own: the INI
// reader caches parsed files by name, so reusing one name could hand a run
// the previous input instead of its own.
class FuzzFiles
{
public:
    FuzzFiles();
    ~FuzzFiles();

    // The application directory of this run (portable layout).
    const AppPaths& paths() const { return m_paths; }
    // Writes the input to a file below the run's directory; returns its path.
    QString write(const QString& relativePath, const uint8_t* data, size_t size) const;

private:
    QString m_dir;
    AppPaths m_paths;
    mutable QStringList m_written;
};

// Creates the application object the readers expect; call from
// LLVMFuzzerInitialize.
void initialiseFuzzing(int* argc, char*** argv);
