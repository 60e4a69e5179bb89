// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/OakProcessThread.h"

#include "device/ApplyRun.h"
#include "device/ConfigurationDownload.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApply)

OakProcessThread::OakProcessThread(ConfigurationDownload& download, const ApplyJob& job, QObject* parent)
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
        qCDebug(lcApply) << "isStop.";
        return;
    }
    m_download.setProgress([this](int done, int total) { emit progress(done, total); });
    m_outcome = runApply(m_download, m_job);
    m_download.setProgress({});
}
