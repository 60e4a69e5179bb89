// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ApplyRun.h"

#include "device/ConfigurationDownload.h"
#include "storage/AppConfig.h"
#include "storage/MacroChangeMarks.h"
#include "storage/ProfileSetStore.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcApply, "mousecfg.process")

ApplyOutcome runApply(ConfigurationDownload& download, const ApplyJob& job)
{
    ApplyOutcome outcome;
    outcome.saved = ProfileSetStore(job.paths, job.modelName).saveSet(job.working);
    if (!outcome.saved.isOk())
        qCWarning(lcApply).noquote() << outcome.saved.errorMessage();
    outcome.saved += MacroChangeMarks::clearUnchanged(job.paths, job.previous, job.working);
    outcome.result = download.downloadConfiguration(job.working, job.model);
    outcome.sent = job.working;
    outcome.saved += AppConfig(job.paths).setDiff(outcome.result != 0 ? 1 : 0);
    return outcome;
}
