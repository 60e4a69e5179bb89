// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileStore.h"

#include "storage/FileLimits.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// Larger files are not ours: they are replaced, never merged into a save.
constexpr qint64 kMaxStoredFileBytes = FileLimits::kMaxFileBytes;
// Texts kept for the next read: the small files read often (the
// configuration). A profile (330 KB) is read from the disk again, which
// costs less than a millisecond, rather than held in memory for good; of
// it only the disk's size and time are kept.
constexpr int kMaxCachedBytes = 64 * 1024;

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

QString tr(const char* text)
{
    return QCoreApplication::translate("FileStore", text);
}

bool involves(const Step& step, const QString& path)
{
    return step.path == path || step.to == path;
}

// What a stored file may be: a regular file, not a link to one.
QString refusal(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return tr("%1 is a link; the program neither reads nor writes through links.").arg(path);
    if (info.exists() && !info.isFile())
        return tr("%1 is not a regular file.").arg(path);
    return QString();
}

} // namespace

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
    std::deque<Step> queue;
    std::deque<Step> inFlight; // the steps the writer is making now
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
    StorageResult run(std::deque<Step>& steps);
    StorageResult write(const QString& path, const std::vector<FileStore::Edit>& edits, quint64 upTo);
    StorageResult fileStep(const Step& step);
    StorageResult apply(Step step);
    void writerLoop();
    bool mayStep();
    void enqueue(const Step& step);
};

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

FileStore::FileStore(const QString& lockFile) : d(std::make_unique<Private>(*this, lockFile)) {}

FileStore::~FileStore()
{
    setWriteBehind(0);
}

void FileStore::setWriteBehind(int intervalMs)
{
    if (intervalMs > 0) {
        std::unique_lock<std::mutex> locker(d->mutex);
        d->intervalMs = intervalMs;
        if (!d->writer.joinable())
            d->writer = std::thread([this] { d->writerLoop(); });
        return;
    }
    {
        std::unique_lock<std::mutex> locker(d->mutex);
        if (!d->writer.joinable())
            return;
        d->stopping = true;
        d->kicked = true;
        d->wake.notify_all();
    }
    d->writer.join();
    std::unique_lock<std::mutex> locker(d->mutex);
    d->writer = std::thread();
    d->stopping = false;
    d->intervalMs = 0;
}

bool FileStore::isWriteBehind() const
{
    std::unique_lock<std::mutex> locker(d->mutex);
    return d->writer.joinable();
}

void FileStore::setSink(Sink sink)
{
    std::unique_lock<std::mutex> locker(d->mutex);
    d->sink = std::move(sink);
}

FileStore::Sink FileStore::atomicSink()
{
    return [](const QString& path, const QByteArray& bytes, QString* error) {
        // Unbuffered: a write the disk refuses fails here, so that commit()
        // never puts a short file in place of the old one.
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() &&
            file.commit())
            return true;
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
}

// Edits of one file waiting in the queue, all of them and those after the
// last one a cached text holds; whether a copy, rename or removal waits.
struct FileStore::Private::Pending
{
    std::vector<Edit> all;
    std::vector<Edit> newer;
    quint64 last = 0;
    bool moving = false;
};

FileStore::Private::Pending FileStore::Private::pendingFor(const QString& path, quint64 cachedUpTo) const
{
    Pending pending;
    for (const std::deque<Step>* steps : {&inFlight, &queue}) {
        for (const Step& step : *steps) {
            if (!involves(step, path))
                continue;
            if (step.kind != Kind::Edit) {
                pending.moving = true;
                continue;
            }
            pending.all.push_back(step.change);
            if (step.number > cachedUpTo)
                pending.newer.push_back(step.change);
            pending.last = std::max(pending.last, step.number);
        }
    }
    return pending;
}

// What the disk holds now, as far as a cache can tell: a file another
// process rewrote has another size or time.
bool FileStore::Private::Cached::matches(const QFileInfo& info) const
{
    return exists == info.exists() && (!exists || (size == info.size() && modified == info.lastModified()));
}

void FileStore::Private::Cached::takeStat(const QFileInfo& info)
{
    exists = info.exists();
    size = exists ? info.size() : -1;
    modified = exists ? info.lastModified() : QDateTime();
}

QByteArray FileStore::read(const QString& path, qint64 maxBytes, QString* error)
{
    Private::Pending pending;
    std::optional<Private::Cached> cached;
    {
        std::unique_lock<std::mutex> locker(d->mutex);
        if (d->cache.contains(path))
            cached = d->cache.value(path);
        pending = d->pendingFor(path, cached ? cached->upTo : 0);
    }
    // A copy, rename or removal to come: wait for it, then read what the
    // disk holds (also when it could not be made).
    if (pending.moving) {
        (void)flush();
        cached.reset();
        std::unique_lock<std::mutex> locker(d->mutex);
        d->cache.remove(path);
        pending = d->pendingFor(path, 0);
    }
    const QFileInfo info(path);
    QByteArray text;
    std::vector<Edit>* edits = &pending.all;
    if (cached && cached->hasText && cached->matches(info) && refusal(path).isEmpty()) {
        text = cached->text;
        edits = &pending.newer;
    } else {
        QString refused;
        text = d->diskText(path, maxBytes, &refused);
        if (!refused.isEmpty()) {
            if (error)
                *error = refused;
            return QByteArray();
        }
    }
    for (const Edit& edit : *edits)
        text = edit(text);
    if (text.size() > maxBytes) {
        if (error)
            *error = tr("%1 is larger than any file of the program.").arg(path);
        return QByteArray();
    }
    Private::Cached updated;
    updated.hasText = text.size() <= kMaxCachedBytes;
    if (updated.hasText)
        updated.text = text;
    updated.upTo = updated.hasText ? std::max(pending.last, cached ? cached->upTo : 0) : 0;
    updated.takeStat(info);
    std::unique_lock<std::mutex> locker(d->mutex);
    d->cache.insert(path, updated);
    return text;
}

bool FileStore::changedElsewhere(const QString& path) const
{
    const QFileInfo info(path);
    std::unique_lock<std::mutex> locker(d->mutex);
    const auto seen = d->cache.constFind(path);
    return seen == d->cache.constEnd() || !seen->matches(info);
}

bool FileStore::exists(const QString& path)
{
    bool edited = false;
    bool moving = false;
    {
        std::unique_lock<std::mutex> locker(d->mutex);
        for (const std::deque<Step>* steps : {&d->inFlight, &d->queue}) {
            for (const Step& step : *steps) {
                if (involves(step, path))
                    (step.kind == Kind::Edit ? edited : moving) = true;
            }
        }
    }
    if (moving)
        (void)flush();
    return edited || QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

StorageResult FileStore::edit(const QString& path, const Edit& change)
{
    return set(path, QString(), change);
}

StorageResult FileStore::set(const QString& path, const QString& setting, const Edit& change)
{
    Step step;
    step.kind = Kind::Edit;
    step.path = path;
    step.change = change;
    step.setting = setting;
    std::unique_lock<std::mutex> locker(d->mutex);
    step.number = d->nextNumber++;
    if (!d->writer.joinable()) {
        locker.unlock();
        return d->apply(step);
    }
    // A link or a folder in place of the file is refused now, where the
    // caller can tell the user.
    const QString refused = refusal(path);
    if (!refused.isEmpty())
        return StorageResult::failure(refused);
    d->enqueue(step);
    return StorageResult::success();
}

namespace {

Step fileStepOf(Kind kind, const QString& path, const QString& to = QString())
{
    Step step;
    step.kind = kind;
    step.path = path;
    step.to = to;
    return step;
}

} // namespace

StorageResult FileStore::copy(const QString& from, const QString& to)
{
    Step step = fileStepOf(Kind::Copy, from, to);
    std::unique_lock<std::mutex> locker(d->mutex);
    step.number = d->nextNumber++;
    if (!d->writer.joinable()) {
        locker.unlock();
        return d->apply(step);
    }
    d->enqueue(step);
    return StorageResult::success();
}

StorageResult FileStore::rename(const QString& from, const QString& to)
{
    Step step = fileStepOf(Kind::Rename, from, to);
    std::unique_lock<std::mutex> locker(d->mutex);
    step.number = d->nextNumber++;
    if (!d->writer.joinable()) {
        locker.unlock();
        return d->apply(step);
    }
    d->enqueue(step);
    return StorageResult::success();
}

StorageResult FileStore::remove(const QString& path)
{
    Step step = fileStepOf(Kind::Remove, path);
    std::unique_lock<std::mutex> locker(d->mutex);
    step.number = d->nextNumber++;
    if (!d->writer.joinable()) {
        locker.unlock();
        return d->apply(step);
    }
    d->enqueue(step);
    return StorageResult::success();
}

StorageResult FileStore::flush()
{
    std::unique_lock<std::mutex> locker(d->mutex);
    if (!d->writer.joinable() || (d->queue.empty() && d->inFlight.empty()))
        return StorageResult::success();
    const quint64 wanted = (d->queue.empty() ? d->inFlight : d->queue).back().number;
    // A batch that begins after this call: steps that failed before are
    // tried again, not reported from the last try.
    const quint64 seen = d->batches;
    d->kicked = true;
    d->wake.notify_all();
    ++d->flushers;
    while ((d->batches <= seen || d->doneNumber < wanted) && d->writer.joinable())
        d->progressed.wait(locker);
    --d->flushers;
    return d->lastFailures;
}

void FileStore::stopAfterSteps(int steps)
{
    std::unique_lock<std::mutex> locker(d->mutex);
    d->stepsLeft = steps;
}

void FileStore::flushSoon()
{
    std::unique_lock<std::mutex> locker(d->mutex);
    d->kicked = true;
    d->wake.notify_all();
}

bool FileStore::hasPending() const
{
    std::unique_lock<std::mutex> locker(d->mutex);
    return !d->queue.empty() || !d->inFlight.empty();
}

FileStore::Hold::Hold(FileStore& store) : m_store(store), m_held(store.d->holdLock()) {}

FileStore::Hold::~Hold()
{
    m_store.d->releaseLock();
}
