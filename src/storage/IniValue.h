// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The stored forms of one INI value and what they become in memory.
//
// Text is text. A value that starts with "@" names a type: "@@" escapes a
// literal "@", "@String(...)" is text with embedded NULs, and
// "@Variant(...)" carries QDataStream bytes. The only typed value our files
// hold is a colour, so a "@Variant(...)" is accepted only when its bytes are
// exactly a QColor (decoded from those fixed bytes, never through the
// variant deserialiser); every other typed form (other variants,
// "@ByteArray", "@Rect", "@DateTime", ...) reads as missing.
namespace IniValue {

// The value of one stored text, or an invalid QVariant when it is a typed
// form we do not accept.
QVariant decode(const QString& stored);
// A list of stored texts, as written for an unquoted comma: a QStringList,
// or an invalid QVariant when an element is not plain text.
QVariant decodeList(const QStringList& stored);

// The stored text of a value: numbers and text as their text (with "@"
// escaped), a colour as its "@Variant(...)" form. False for a value of a
// type our files do not hold.
bool encode(const QVariant& value, QString& stored);

} // namespace IniValue
