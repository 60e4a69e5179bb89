// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The store's inside, shared by its two halves: FileStore.cpp (what callers
// see, and reads) and FileStoreWriter.cpp (the steps reaching the disk).

#include "storage/FileLimits.h"
#include "storage/FileStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace FileStoreDetail {

// Larger files are not ours: they are replaced, never merged into a save.
inline constexpr qint64 kMaxStoredFileBytes = FileLimits::kMaxFileBytes;
// Texts kept for the next read: the small files read often (the
// configuration). A profile (330 KB) is read from the disk again, which
// costs less than a millisecond, rather than held in memory for good; of
// it only the disk's size and time are kept.
inline constexpr int kMaxCachedBytes = 64 * 1024;

enum class Kind
{
    Edit,
    Copy,
    Rename,
    Remove
};

struct Step
{
    Kind kind = Kind::Edit;
    QString path; // the file edited, copied, renamed or removed
    QString to;   // the copy's or the new name's path
    FileStore::Edit change;
    QString setting; // an edit that sets this one value, or empty
    quint64 number = 0;
};

inline QString tr(const char* text)
{
    return QCoreApplication::translate("FileStore", text);
}

inline bool involves(const Step& step, const QString& path)
{
    return step.path == path || step.to == path;
}

// What a stored file may be: a regular file, not a link to one; empty when
// it is, else why not.
QString refusal(const QString& path);

} // namespace FileStoreDetail

class FileStore::Private
{
public:
    Private(FileStore& owner, const QString& lockPath)
        : q(owner), lockPath(lockPath), lock(lockPath), locking(!lockPath.isEmpty())
    {
        lock.setStaleLockTime(60000);
    }

    FileStore& q;
    const QString lockPath;
    QLockFile lock;
    const bool locking;   // files outside the configuration folder share no lock
    std::mutex lockMutex; // guards holds
    int holds = 0;

    // The text a read last found for a file, the queued edits in it, and
    // the disk's size and time then: the next read of it starts there.
    struct Cached
    {
        QByteArray text;
        bool hasText = true; // else only what the disk held then is known
        quint64 upTo = 0;
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool matches(const QFileInfo& info) const;
        void takeStat(const QFileInfo& info);
    };
    struct Pending;
    Pending pendingFor(const QString& path, quint64 cachedUpTo) const;
    void noteWritten(const QString& path, const QByteArray& text, quint64 upTo);
    void forget(const QString& path);
    QHash<QString, Cached> cache; // guarded by mutex

    // Standard locks, not Qt's: the thread sanitizer sees through them.
    std::mutex runMutex;      // one read-modify-write of this store's files at a time
    mutable std::mutex mutex; // guards everything below
    std::condition_variable wake;
    std::condition_variable progressed;
    std::deque<FileStoreDetail::Step> queue;
    std::deque<FileStoreDetail::Step> inFlight; // the steps the writer is making now
    quint64 nextNumber = 1;
    quint64 doneNumber = 0; // every step up to this one has been tried
    int intervalMs = 0;
    bool kicked = false;
    bool stopping = false;
    std::chrono::steady_clock::time_point due;
    int flushers = 0;    // threads waiting in flush()
    quint64 batches = 0; // batches the writer has finished
    StorageResult lastFailures = StorageResult::success();
    QSet<QString> reported; // "path\nmessage" told already
    Sink sink = FileStore::atomicSink();
    std::thread writer;
    int stepsLeft = -1; // steps until the store stops as if the process ended; -1: no end

    bool holdLock();
    void releaseLock();
    QByteArray diskText(const QString& path, qint64 maxBytes, QString* error) const;
    StorageResult run(std::deque<FileStoreDetail::Step>& steps);
    StorageResult write(const QString& path, const std::vector<FileStore::Edit>& edits, quint64 upTo);
    StorageResult fileStep(const FileStoreDetail::Step& step);
    StorageResult apply(FileStoreDetail::Step step);
    void writerLoop();
    bool mayStep();
    void enqueue(const FileStoreDetail::Step& step);
};
