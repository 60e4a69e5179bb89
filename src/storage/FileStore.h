// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// The program's stored files as the program sees them: what is on disk with
// the changes not written yet over it. Every change is a step on one file
// (a change of its text, or a copy, rename or removal); the steps reach the
// disk in the order they were made, each file written whole and atomically,
// and only when its text would change.
//
// Write-through (the default, and what the command-line tool uses): a step
// is on disk when the call returns. Write-behind (the window): a step is
// queued and a writer thread writes the queue at most once per interval, or
// at once when flushSoon() or flush() ask, so that no caller waits for a
// disk. Readers of this store see every step at once either way; a read of
// a file with a pending copy, rename or removal waits for the writer.
//
// Across processes, each write and each file step is made under a lock file
// in the configuration folder; lockAcrossProcesses() holds it for a whole
// read-modify-write that spans several steps (an apply of the command-line
// tool, say). Stored files that are links are neither read nor written.
class FileStore : public QObject
{
    Q_OBJECT
public:
    // Changes the text of one file: the current text (empty when the file is
    // missing) in, the new text out.
    using Edit = std::function<QByteArray(const QByteArray& current)>;
    // Writes the bytes to the path atomically; false with a reason on failure.
    using Sink = std::function<bool(const QString& path, const QByteArray& bytes, QString* error)>;

    // lockFile: the lock shared with the other processes of this folder;
    // empty for files of the user's own choosing, which share none.
    explicit FileStore(const QString& lockFile = QString());
    ~FileStore() override;

    // 0: write-through; otherwise write-behind with that interval.
    void setWriteBehind(int intervalMs);
    bool isWriteBehind() const;
    // Where whole files go; tests put a failing disk here.
    void setSink(Sink sink);
    static Sink atomicSink();

    // The file's text as this store sees it, or an error (a link, not a
    // regular file, larger than maxBytes) with an empty text.
    QByteArray read(const QString& path, qint64 maxBytes, QString* error = nullptr);
    bool exists(const QString& path);
    // Whether the file on the disk may differ from what this store last
    // read or wrote of it: another process wrote it, or this store has not
    // seen it yet. The steps of its own that wait change nothing here.
    bool changedElsewhere(const QString& path) const;

    StorageResult edit(const QString& path, const Edit& change);
    // An edit that sets one named value and nothing else, whatever the
    // text: while it waits, a later setting of that name on the same file,
    // with no other step on the file between them, takes its place.
    StorageResult set(const QString& path, const QString& setting, const Edit& change);
    StorageResult copy(const QString& from, const QString& to);
    StorageResult rename(const QString& from, const QString& to);
    StorageResult remove(const QString& path);

    // Waits until every step queued so far has been tried; the failures of
    // the steps it wrote, which stay queued for the next try.
    StorageResult flush();
    // Asks the writer to write what is queued now (replug, apply), not to wait.
    void flushSoon();
    bool hasPending() const;
    // Makes at most this many more steps and then none, keeping the rest
    // queued: the disk is left as an end of the process at that moment
    // would leave it (tests of what a crash leaves behind).
    void stopAfterSteps(int steps);

    // Holds the lock of the folder across processes for as long as it lives.
    class Hold
    {
    public:
        explicit Hold(FileStore& store);
        ~Hold();
        bool isHeld() const { return m_held; }

    private:
        FileStore& m_store;
        bool m_held = false;
    };

Q_SIGNALS:
    // A queued step could not be made; it stays queued. Once per file and
    // reason until a step on that file succeeds.
    void writeFailed(const QString& path, const QString& message);

private:
    class Private;
    std::unique_ptr<Private> d;
};
