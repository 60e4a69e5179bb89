#pragma once

#include "storage/ModelDescription.h"
#include "storage/AppPaths.h"
#include "storage/ProfileSet.h"
#include "storage/StorageResult.h"

#include <QThread>
#include <QtGlobal>

#include <atomic>

class ConfigurationDownload;

// Runs one apply in the background: saves the working configuration, clears
// the change marks of macros that reach the mouse unchanged, downloads the
// configuration, makes it the saved state and records in "Config/Diff"
// whether the mouse may differ from it. DoProcessDlg() tells the busy
// dialog to close; the caller then reads result().
//
// The saved state is written from this thread: the caller must leave it
// alone until DoProcessDlg() arrives (it waits in the modal busy dialog).
class OakProcessThread : public QThread
{
    Q_OBJECT
public:
    struct Job
    {
        AppPaths paths{QString()};
        QString modelName;                // the current product: whose profile folder
        ProfileSet working;               // what to save and send
        ProfileSet* savedState = nullptr; // overwritten with working at the end
        ModelDescription model;
    };

    OakProcessThread(ConfigurationDownload& download, const Job& job, QObject* parent = nullptr);
    ~OakProcessThread() override;

    void setStop(bool stop) { m_stop.store(stop); }
    bool isStop() const { return m_stop.load(); }

    // The download's transfer result: 0 when the mouse has everything.
    quint8 result() const { return m_result.load(); }
    // Whether the configuration reached the disk.
    StorageResult saveResult() const { return m_saveResult; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    void clearUnchangedMacroMarks() const;

    ConfigurationDownload& m_download;
    const Job m_job;
    std::atomic<bool> m_stop{false};
    std::atomic<quint8> m_result{0};
    StorageResult m_saveResult = StorageResult::success();
};
