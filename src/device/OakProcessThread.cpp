#include "device/OakProcessThread.h"

#include "device/ConfigurationDownload.h"
#include "protocol/FunctionTable.h"
#include "storage/AppConfig.h"
#include "storage/MacroFiles.h"
#include "storage/ProfileSetStore.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcProcess, "mousecfg.process")

OakProcessThread::OakProcessThread(ConfigurationDownload& download, const Job& job, QObject* parent)
    : QThread(parent), m_download(download), m_job(job)
{
}

OakProcessThread::~OakProcessThread()
{
    wait();
}

void OakProcessThread::run()
{
    if (m_stop.load()) {
        qCDebug(lcProcess) << "isStop.";
        return;
    }
    m_saveResult = ProfileSetStore(m_job.paths, m_job.modelName).saveSet(m_job.working);
    if (!m_saveResult.isOk())
        qCWarning(lcProcess).noquote() << m_saveResult.errorMessage();
    m_result.store(0);
    clearUnchangedMacroMarks();
    m_result.store(m_download.downloadConfiguration(m_job.working, m_job.model));
    if (m_job.savedState)
        *m_job.savedState = m_job.working;
    AppConfig(m_job.paths).setDiff(m_result.load() != 0 ? 1 : 0);
    emit DoProcessDlg();
}

// A macro bound to the same button before and after this apply reaches the
// mouse as it is now, so its "changed since the last transfer" mark goes.
void OakProcessThread::clearUnchangedMacroMarks() const
{
    if (!m_job.savedState)
        return;
    const MacroFiles macros(m_job.paths);
    for (int p = 0; p < ProfileSet::kProfiles; ++p) {
        for (int b = 0; b < ProfileData::kButtons; ++b) {
            const ButtonAssignment& now = m_job.working.profiles[p].buttons[b];
            const ButtonAssignment& before = m_job.savedState->profiles[p].buttons[b];
            if (now.Fun == FunctionTable::Macro && before.Fun == FunctionTable::Macro &&
                now.macroname == before.macroname)
                macros.readAndClearChangeMark(now.macroname);
        }
    }
}
