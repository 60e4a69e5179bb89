// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// What to tell a user whose mouse is plugged in but whose device nodes this
// user may not open: which nodes, why, and the command that fixes it. Both
// the window and mousecfgctl show this text.
namespace AccessDiagnosis {

// The rule file that grants access (installed into the udev rules folder).
constexpr const char* kRuleFile = "70-mousecfg.rules";
// Applies an installed rule to the devices already plugged in.
constexpr const char* kFixCommand = "sudo udevadm control --reload && sudo udevadm trigger";

// The message for the interfaces that could not be opened; empty when the
// list is empty.
QString message(const QVector<QByteArray>& deniedPaths);

} // namespace AccessDiagnosis
