// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// The pieces of IniText's text form, for readers and writers that walk the
// lines themselves (the profile codec). Each one gives exactly what
// IniText::parse and IniText::serialise make of the same bytes.
namespace IniText {

// The section named by the line text[from, to) that starts with "[": empty
// for [General], "name/" otherwise. The closing "]" is looked for up to
// "to" only.
QString sectionPrefix(const QByteArray& text, int from, int to);
// A key name with its "%XX", "%UXXXX" and "\" escapes undone.
QString keyName(const QByteArray& text, int from, int to);
// The value after a key's "=": text, a list or a colour; an invalid QVariant
// for a typed form the files do not hold.
QVariant value(const QByteArray& text, int from, int to);

// A key name as the text holds it.
QByteArray escapedKey(const QString& key);
// Appends the stored text of a value; false for a type the files do not hold.
bool appendValue(const QVariant& value, QByteArray& out);

} // namespace IniText
