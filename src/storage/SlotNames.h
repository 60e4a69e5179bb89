// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

#include <functional>

struct ProfileSet;

// The names the five slots give their profiles, checked before a set from
// outside (a configuration file) joins the library: each must be a name a
// file can have, and no two slots may name one profile, or their records
// would be saved into one file.
namespace SlotNames {

// Why the set's names cannot join the library, naming the first such name;
// empty when they can.
QString refusal(const ProfileSet& set);
// The copy names of a profile, tried in this order: "<name> copy" (n 1),
// "<name> copy 2", "<name> copy 3", ...
QString copyName(const QString& name, int n);
// Gives every slot that names the profile of an earlier slot the first copy
// name that no slot uses and `isTaken` does not refuse. Returns the slots
// renamed.
QVector<int> separateDuplicates(ProfileSet& set, const std::function<bool(const QString&)>& isTaken);

} // namespace SlotNames
