// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileStore.h"

#include "storage/FileStorePrivate.h"

#include <QSaveFile>

#include <algorithm>
#include <optional>

using namespace FileStoreDetail;

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
