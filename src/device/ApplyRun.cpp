// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ApplyRun.h"

#include "device/ConfigurationDownload.h"
#include "storage/AppConfig.h"
#include "storage/FileStore.h"
#include "storage/MacroChangeMarks.h"
#include "storage/ProfileSetStore.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcApply, "mousecfg.process")

ApplyOutcome runApply(ConfigurationDownload& download, const ApplyJob& job)
{
    // With a store that writes behind, the saves go to disk beside the
    // download; the apply is over when both are.
    ApplyOutcome outcome;
    FileStore& store = job.paths.store();
    outcome.saved = ProfileSetStore(job.paths, job.modelName).saveSet(job.working);
    outcome.saved += MacroChangeMarks::clearUnchanged(job.paths, job.previous, job.working);
    store.flushSoon();
    outcome.result = download.downloadConfiguration(job.working, job.model);
    outcome.sent = job.working;
    outcome.saved += AppConfig(job.paths).setDiff(outcome.result != 0 ? 1 : 0);
    outcome.saved += store.flush();
    if (!outcome.saved.isOk())
        qCWarning(lcApply).noquote() << outcome.saved.errorMessage();
    return outcome;
}
