// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSettings>

// The INI text of our files, read and written by our own code rather than by
// QSettings' built-in INI format. The text form is the one QSettings writes
// (sections, "%XX" key escapes, backslash value escapes, quoted values,
// comma-separated lists), so files stay exchangeable with older versions in
// both directions. What differs is the values: a stored value is never handed
// to QDataStream, because a crafted "@Variant(...)" of a few bytes can make
// the deserialiser allocate without bound or recurse until the stack ends.
// IniValue decides what a stored value becomes.
namespace IniText {

// Reads every key of the text into settings ("section/key", the keys of
// [General] at the top level). Lines that are not keys are skipped, so a
// damaged line costs that line only. Returns false when a line could not be
// understood. A text beyond FileLimits (too large, a line, key or section
// name too long, too many keys) is refused whole: no keys, and the reason in
// refusal.
bool parse(const QByteArray& text, QSettings::SettingsMap& settings, QString* refusal = nullptr);

// The text of the keys: [General] first, then each section, keys in order.
QByteArray serialise(const QSettings::SettingsMap& settings);

} // namespace IniText
