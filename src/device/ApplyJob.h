// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"
#include "storage/StorageResult.h"

#include <QMetaType>
#include <QString>
#include <QtGlobal>

// One apply: everything it needs, by value, so that the thread running it
// shares nothing with the caller.
struct ApplyJob
{
    AppPaths paths{QString()};
    QString modelName;   // whose profile folder the slots are saved in
    ProfileSet working;  // what to save and send
    ProfileSet previous; // what was last saved or sent: unchanged macros keep no change mark
    ModelDescription model;
};

// What an apply did.
struct ApplyOutcome
{
    quint8 result = 0; // the download's transfer result: 0 when the mouse has everything
    StorageResult saved = StorageResult::success(); // whether the configuration reached the disk
    ProfileSet sent;                                // the set as saved and sent: the new saved state
};
Q_DECLARE_METATYPE(ApplyOutcome)
