// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/IniReader.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

// Typed reads of INI values that never fail: a missing key gives the default,
// and so does a value of another kind than the key holds (a colour where a
// number belongs, say). A number that does not parse gives 0, as QVariant's
// conversion does, truncated to the field's width.
namespace SettingsValues {

int readInt(const IniReader& settings, const QString& key, int defaultValue = 0);
quint8 readByte(const IniReader& settings, const QString& key, quint8 defaultValue = 0);
// Unsigned values are written as unsigned; reading through a 64-bit
// conversion keeps values above the signed range instead of turning them to 0.
quint32 readUInt(const IniReader& settings, const QString& key);
// A hand-edited value with an unquoted comma reads as a list; it is joined
// back into the text that was written.
QString readText(const IniReader& settings, const QString& key);
// QColor's stored form, or a text that names a colour; an invalid colour
// otherwise.
QColor readColour(const IniReader& settings, const QString& key);

} // namespace SettingsValues
