// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/ApplyJob.h"

#include <QThread>

#include <atomic>

class ConfigurationDownload;

// Runs one apply in the background (see runApply); outcome() is complete
// once the thread has finished.
// The job is a copy: nothing the caller holds is touched from this thread.
class OakProcessThread : public QThread
{
    Q_OBJECT
public:
    OakProcessThread(ConfigurationDownload& download, const ApplyJob& job, QObject* parent = nullptr);
    ~OakProcessThread() override;

    void setStop(bool stop) { m_stop.store(stop); }
    bool isStop() const { return m_stop.load(); }

    // Read after finished(): the thread writes it before it ends.
    const ApplyOutcome& outcome() const { return m_outcome; }
    quint8 result() const { return m_outcome.result; }

signals:
    // After each transfer of the download: done of total transfers made.
    void progress(int done, int total);

protected:
    void run() override;

private:
    ConfigurationDownload& m_download;
    const ApplyJob m_job;
    std::atomic<bool> m_stop{false};
    ApplyOutcome m_outcome;
};
