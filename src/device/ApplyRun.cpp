#include "device/ApplyRun.h"

#include "device/ConfigurationDownload.h"
#include "protocol/FunctionTable.h"
#include "storage/AppConfig.h"
#include "storage/MacroFiles.h"
#include "storage/ProfileSetStore.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcApply, "mousecfg.process")

namespace {

// A macro bound to the same button before and after this apply reaches the
// mouse as it is now, so its "changed since the last transfer" mark goes.
StorageResult clearUnchangedMacroMarks(const ApplyJob& job)
{
    StorageResult result = StorageResult::success();
    MacroFiles macros(job.paths);
    for (int p = 0; p < ProfileSet::kProfiles; ++p) {
        for (int b = 0; b < ProfileData::kButtons; ++b) {
            const ButtonAssignment& now = job.working.profiles[p].buttons[b];
            const ButtonAssignment& before = job.previous.profiles[p].buttons[b];
            if (now.Fun == FunctionTable::Macro && before.Fun == FunctionTable::Macro &&
                now.macroname == before.macroname)
                result += macros.readAndClearChangeMark(now.macroname);
        }
    }
    return result;
}

} // namespace

ApplyOutcome runApply(ConfigurationDownload& download, const ApplyJob& job)
{
    ApplyOutcome outcome;
    outcome.saved = ProfileSetStore(job.paths, job.modelName).saveSet(job.working);
    if (!outcome.saved.isOk())
        qCWarning(lcApply).noquote() << outcome.saved.errorMessage();
    outcome.saved += clearUnchangedMacroMarks(job);
    outcome.result = download.downloadConfiguration(job.working, job.model);
    outcome.sent = job.working;
    outcome.saved += AppConfig(job.paths).setDiff(outcome.result != 0 ? 1 : 0);
    return outcome;
}
