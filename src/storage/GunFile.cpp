// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/GunFile.h"

#include "storage/FileNames.h"
#include "storage/MacroList.h"

namespace GunFile {

QVector<MacroEvent> events(const QVector<GunShot>& shots, int unitMs)
{
    QVector<MacroEvent> steps;
    for (const GunShot& shot : shots.mid(0, kMaxShots)) {
        const int x = qBound(-kMaxPull, shot.x, kMaxPull);
        const int y = qBound(-kMaxPull, shot.y, kMaxPull);
        const int delay = qBound(0, shot.delayMs, kMaxDelayMs);
        steps.append(MacroEvent::mouseButton(true, 1));
        steps.append(MacroEvent::mouseButton(false, 1));
        if (x != 0)
            steps.append(MacroEvent::move(x, 0));
        if (y != 0)
            steps.append(MacroEvent::move(0, y));
        if (delay != 0)
            steps.append(MacroEvent::delay(MacroEvent::recordedDelayCount(delay, unitMs)));
    }
    return steps;
}

MacroRecord record(const QString& name, const QVector<GunShot>& shots, int unitMs)
{
    MacroRecord macro;
    macro.name = name;
    macro.DefaultDelay = 10;
    macro.DelayType = MacroRecord::RecordDelays;
    macro.LoopType = 0;
    macro.LoopTime = 1;
    macro.events = events(shots, unitMs);
    return macro;
}

StorageResult write(const AppPaths& paths, const QString& name, const QVector<GunShot>& shots, int unitMs,
                    QString* writtenName)
{
    const QString error = FileNames::nameError(name);
    if (!error.isEmpty())
        return StorageResult::failure(error);
    MacroFiles files(paths);
    MacroList list(paths);
    const QString free = files.freeName(name, 2);
    if (free.isEmpty())
        return StorageResult::failure(FileNames::nameError(name + QStringLiteral("_2")));
    if (list.countInUse() >= MacroList::kSlotCount)
        return StorageResult::failure(MacroList::fullMessage());
    StorageResult result = files.save(record(free, shots, unitMs), false);
    if (result.isOk() && !list.contains(free))
        result = list.add(free);
    if (result.isOk() && writtenName)
        *writtenName = free;
    return result;
}

} // namespace GunFile
