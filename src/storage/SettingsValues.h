#pragma once

#include <QColor>
#include <QSettings>
#include <QString>
#include <QtGlobal>

// Typed reads of INI values that never fail: a missing key gives the default,
// a value of the wrong type or out of range gives what QVariant's conversion
// gives (0, empty text, an invalid colour), truncated to the field's width.
namespace SettingsValues {

int readInt(const QSettings& settings, const QString& key, int defaultValue = 0);
quint8 readByte(const QSettings& settings, const QString& key, quint8 defaultValue = 0);
// Unsigned values are written as unsigned; reading through a 64-bit
// conversion keeps values above the signed range instead of turning them to 0.
quint32 readUInt(const QSettings& settings, const QString& key);
// A hand-edited value with an unquoted comma reads as a list; it is joined
// back into the text that was written.
QString readText(const QSettings& settings, const QString& key);
QColor readColour(const QSettings& settings, const QString& key);

} // namespace SettingsValues
