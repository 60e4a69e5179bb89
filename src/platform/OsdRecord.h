// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// The message the on-screen-display companion accepts: 1044 bytes,
// little-endian. The text and the font name are UTF-16 with a terminator in
// 512-byte fields; the four integers between them are the companion's own
// (shown here with the meaning our companion gives them).
namespace OsdRecord {

constexpr int kSize = 1044;
constexpr int kTextField = 512;
// Characters before the terminator; longer texts are cut.
constexpr int kMaxTextLength = 255;
constexpr int kTextOffset = 0;
constexpr int kReservedOffset = 512;
constexpr int kDurationOffset = 516; // how long the text stays, in ms
constexpr int kReserved2Offset = 520;
constexpr int kColourOffset = 524;  // red in bits 0-7, green 8-15, blue 16-23
constexpr int kOpacityOffset = 528; // of the panel behind the text, in percent
constexpr int kFontOffset = 532;

constexpr qint32 kDurationMs = 1500;
constexpr qint32 kOpacityPercent = 60;

struct Message
{
    QString text;
    QColor colour;
    QString fontName;
    int durationMs = kDurationMs;
    int opacityPercent = kOpacityPercent;
};

// The record for a text in a colour, with the fixed values and "Arial".
QByteArray build(const QString& text, const QColor& colour);
// Reads a record; false when it is not one (wrong size).
bool parse(const QByteArray& record, Message& message);

} // namespace OsdRecord
