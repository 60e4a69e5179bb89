// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a file store reaching the disk: the lock shared with other
// processes, whole files written atomically, copies, renames and removals,
// and the thread that writes the queue behind the callers.
#include "storage/FileStorePrivate.h"

#include "storage/StorageLog.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace FileStoreDetail;

QString FileStoreDetail::refusal(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return tr("%1 is a link; the program neither reads nor writes through links.").arg(path);
    if (info.exists() && !info.isFile())
        return tr("%1 is not a regular file.").arg(path);
    return QString();
}

bool FileStore::Private::holdLock()
{
    std::unique_lock<std::mutex> locker(lockMutex);
    if (holds++ > 0 || !locking)
        return true;
    if (QDir().mkpath(QFileInfo(lockPath).absolutePath()) && lock.tryLock(30000))
        return true;
    qCWarning(lcStorage) << "the configuration folder's lock was not free; writing without it";
    return false;
}

// Also after a holdLock() that found the lock taken.
void FileStore::Private::releaseLock()
{
    std::unique_lock<std::mutex> locker(lockMutex);
    if (--holds == 0 && lock.isLocked())
        lock.unlock();
}

QByteArray FileStore::Private::diskText(const QString& path, qint64 maxBytes, QString* error) const
{
    const QString refused = refusal(path);
    if (!refused.isEmpty()) {
        if (error)
            *error = refused;
        return QByteArray();
    }
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (file.size() > maxBytes) {
        if (error)
            *error = tr("%1 is larger than any file of the program.").arg(path);
        return QByteArray();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("%1 cannot be read.").arg(path);
        return QByteArray();
    }
    // The buffer a read takes is as large as asked for, and a text keeps it:
    // the file's own size (plus one, to see it grow past the limit).
    QByteArray text = file.read(std::min(file.size(), maxBytes) + 1);
    text.squeeze();
    if (text.size() > maxBytes) {
        if (error)
            *error = tr("%1 is larger than any file of the program.").arg(path);
        return QByteArray();
    }
    return text;
}

// The disk now holds what the store wrote, the edits up to `upTo` in it:
// the next read starts there and applies the edits queued since.
void FileStore::Private::noteWritten(const QString& path, const QByteArray& text, quint64 upTo)
{
    Cached written;
    written.hasText = text.size() <= kMaxCachedBytes;
    if (written.hasText)
        written.text = text;
    written.upTo = upTo;
    written.takeStat(QFileInfo(path));
    std::unique_lock<std::mutex> locker(mutex);
    cache.insert(path, written);
}

void FileStore::Private::forget(const QString& path)
{
    if (path.isEmpty())
        return;
    std::unique_lock<std::mutex> locker(mutex);
    cache.remove(path);
}

// True while the store may make one more step.
bool FileStore::Private::mayStep()
{
    std::unique_lock<std::mutex> locker(mutex);
    if (stepsLeft == 0)
        return false;
    if (stepsLeft > 0)
        --stepsLeft;
    return true;
}

// The edits of one file, applied to what it holds, written once if the text
// changes.
StorageResult FileStore::Private::write(const QString& path, const std::vector<FileStore::Edit>& edits,
                                        quint64 upTo)
{
    const QString refused = refusal(path);
    if (!refused.isEmpty())
        return StorageResult::failure(tr("Could not save %1: %2").arg(path, refused));
    // A file too large to be ours is replaced, not merged into what is saved.
    QString error;
    const QByteArray current = diskText(path, kMaxStoredFileBytes, &error);
    QByteArray text = current;
    for (const FileStore::Edit& edit : edits)
        text = edit(text);
    if (text == current && QFileInfo::exists(path)) {
        noteWritten(path, text, upTo);
        return StorageResult::success();
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return StorageResult::failure(tr("Could not save %1: its folder cannot be created.").arg(path));
    if (!sink(path, text, &error))
        return StorageResult::failure(tr("Could not save %1: %2").arg(path, error));
    noteWritten(path, text, upTo);
    return StorageResult::success();
}

StorageResult FileStore::Private::fileStep(const Step& step)
{
    // A copy's source may be a file of the user's that a link leads to.
    forget(step.path);
    forget(step.to);
    const QString refused = (step.kind == Kind::Copy ? QString() : refusal(step.path)) + refusal(step.to);
    if (!refused.isEmpty())
        return StorageResult::failure(refused);
    bool done = false;
    switch (step.kind) {
    case Kind::Copy:
        done = !QFileInfo::exists(step.to) && QDir().mkpath(QFileInfo(step.to).absolutePath()) &&
               QFile::copy(step.path, step.to);
        if (!done)
            return StorageResult::failure(tr("Could not copy %1 to %2.").arg(step.path, step.to));
        break;
    case Kind::Rename:
        done = !QFileInfo::exists(step.to) && QFile::rename(step.path, step.to);
        if (!done)
            return StorageResult::failure(tr("Could not rename %1.").arg(step.path));
        break;
    case Kind::Remove:
        if (QFileInfo::exists(step.path) && !QFile::remove(step.path))
            return StorageResult::failure(tr("Could not delete %1.").arg(step.path));
        break;
    case Kind::Edit:
        break;
    }
    return StorageResult::success();
}

// Makes the steps in order, stopping at the first that fails: a later step
// may rely on it (a slot name on the profile file written before it). Left
// in `steps`: what failed and what follows it. Edits of one file that follow
// one another, with no step on that file between, are written together.
StorageResult FileStore::Private::run(std::deque<Step>& steps)
{
    std::unique_lock<std::mutex> running(runMutex);
    holdLock();
    StorageResult result = StorageResult::success();
    while (!steps.empty() && mayStep()) {
        const Step step = steps.front();
        if (step.kind != Kind::Edit) {
            result = fileStep(step);
            if (!result.isOk())
                break;
            steps.pop_front();
            continue;
        }
        std::vector<FileStore::Edit> edits;
        std::vector<size_t> taken;
        quint64 upTo = 0;
        for (size_t i = 0; i < steps.size(); ++i) {
            if (!involves(steps[i], step.path))
                continue;
            if (steps[i].kind != Kind::Edit)
                break;
            edits.push_back(steps[i].change);
            taken.push_back(i);
            upTo = std::max(upTo, steps[i].number);
        }
        result = write(step.path, edits, upTo);
        if (!result.isOk())
            break;
        for (auto i = taken.rbegin(); i != taken.rend(); ++i)
            steps.erase(steps.begin() + std::ptrdiff_t(*i));
    }
    releaseLock();
    return result;
}

// Write-through: one step, now, on the caller's thread.
StorageResult FileStore::Private::apply(Step step)
{
    std::deque<Step> steps{std::move(step)};
    return run(steps);
}

// Queues a step (the mutex held); the first of a batch starts the interval.
// A setting replaces the same setting waiting right before it on that file.
void FileStore::Private::enqueue(const Step& step)
{
    if (queue.empty())
        due = std::chrono::steady_clock::now() + std::chrono::milliseconds(intervalMs);
    if (!step.setting.isEmpty()) {
        const auto before = std::find_if(queue.rbegin(), queue.rend(),
                                         [&step](const Step& queued) { return involves(queued, step.path); });
        if (before != queue.rend() && before->kind == Kind::Edit && before->setting == step.setting)
            queue.erase(std::next(before).base());
    }
    queue.push_back(step);
    wake.notify_all();
}

// Writes the queue once it is an interval old, or at once when asked.
void FileStore::Private::writerLoop()
{
    std::unique_lock<std::mutex> locker(mutex);
    for (;;) {
        if (queue.empty()) {
            if (stopping)
                break;
            kicked = false;
            wake.wait(locker);
            continue;
        }
        if (!kicked && !stopping && std::chrono::steady_clock::now() < due) {
            wake.wait_until(locker, due);
            continue;
        }
        kicked = false;
        // Readers still see the steps while they are being written: edits
        // set what they set, so seeing one twice changes nothing.
        inFlight.swap(queue);
        std::deque<Step> batch = inFlight;
        const quint64 last = batch.back().number;
        locker.unlock();
        const StorageResult result = run(batch);
        locker.lock();
        inFlight.clear();
        // What failed goes back before whatever was queued meanwhile.
        for (auto it = batch.rbegin(); it != batch.rend(); ++it)
            queue.push_front(*it);
        doneNumber = last;
        ++batches;
        lastFailures = result;
        if (!result.isOk()) {
            const QString path = queue.front().path;
            const QString key = path + QLatin1Char('\n') + result.errorMessage();
            // Whoever waits in flush() hears of it from there.
            if (!reported.contains(key) && flushers == 0) {
                reported.insert(key);
                QMetaObject::invokeMethod(&q, [this, path, message = result.errorMessage()] {
                    Q_EMIT q.writeFailed(path, message);
                });
            }
            if (flushers > 0)
                reported.insert(key);
        } else {
            reported.clear();
        }
        progressed.notify_all();
        // After a failure, the next try comes an interval later; at the end,
        // what cannot be written is given up (the caller was told), and so is
        // what a store stopped by stopAfterSteps() holds.
        if (stopping && (!result.isOk() || stepsLeft == 0))
            break;
        due = std::chrono::steady_clock::now() + std::chrono::milliseconds(intervalMs);
    }
}
