// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The profile column's buttons, clicked: the library and the configuration
// files change as the user asked, and nothing unsafe gets in.
class LibraryJourneys : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addCopyRenameAndDeleteThroughTheButtons();
    void exportImportSaveAndLoadThroughTheButtons();
    void configurationFilesCannotCorruptTheLibrary_data();
    void configurationFilesCannotCorruptTheLibrary();
    void fileDialogsAreReadableInTheWindowsLook();
};
