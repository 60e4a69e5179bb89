// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SlotNames.h"

#include "storage/FileNames.h"
#include "storage/ProfileSet.h"

#include <QCoreApplication>

namespace SlotNames {

QString refusal(const ProfileSet& set)
{
    for (const QString& name : set.profileNames) {
        const QString error = FileNames::nameError(name);
        if (!error.isEmpty())
            return QCoreApplication::translate("SlotNames", "The profile name is not allowed: %1").arg(error);
    }
    return QString();
}

QString copyName(const QString& name, int n)
{
    return n <= 1 ? name + QStringLiteral(" copy") : name + QStringLiteral(" copy %1").arg(n);
}

namespace {

bool heldBefore(const ProfileSet& set, int slot, const QString& name)
{
    for (int earlier = 0; earlier < slot; ++earlier)
        if (set.profileNames[earlier] == name)
            return true;
    return false;
}

bool heldByAny(const ProfileSet& set, const QString& name)
{
    return heldBefore(set, ProfileSet::kProfiles, name);
}

} // namespace

QVector<int> separateDuplicates(ProfileSet& set, const std::function<bool(const QString&)>& isTaken)
{
    QVector<int> renamed;
    for (int slot = 1; slot < ProfileSet::kProfiles; ++slot) {
        const QString name = set.profileNames[slot];
        if (!heldBefore(set, slot, name))
            continue;
        QString free;
        for (int n = 1; free.isEmpty() || heldByAny(set, free) || isTaken(free); ++n)
            free = copyName(name, n);
        set.profileNames[slot] = free;
        set.profiles[slot].ProfileName = free;
        renamed.append(slot);
    }
    return renamed;
}

} // namespace SlotNames
