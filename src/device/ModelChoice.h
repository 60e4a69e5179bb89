// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class DeviceLink;

// Which model the program serves, decided the same way by the window and
// the command-line tool.
namespace ModelChoice {

// The names of the models whose receiver or cable is attached now.
QStringList presentModels(const DeviceLink& link);
// The preferred model when it is present, else the first present one;
// empty when none is.
QString choose(const QStringList& present, const QString& preferred);
// Fills the device table for the model the program serves (its device
// name), enumerates, and opens the chosen model's interfaces. Returns the
// chosen name, empty when no model is present or the HID library cannot be
// used.
QString findAndOpen(DeviceLink& link, const QString& deviceName, const QString& preferred);

} // namespace ModelChoice
