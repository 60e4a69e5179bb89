// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The profile library and slot operations against real files.
class LibraryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addAndCopyMakeFreshNames();
    void deletePicksSuccessor();
    void renameChecksNames_data();
    void renameChecksNames();
    void defaultAndUsedProfilesAreKept();
    void importAndExport();
    void configurationFilesRoundTrip();
    void resetAndCancel();
};
