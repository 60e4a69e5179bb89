// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OsdRecord.h"

#include <QtEndian>

namespace OsdRecord {

namespace {

// Copies at most kMaxTextLength UTF-16 units, never ending on half a
// surrogate pair; the rest of the field stays zero, the terminator included.
void putText(QByteArray& record, int offset, const QString& text)
{
    QString cut = text.left(kMaxTextLength);
    if (!cut.isEmpty() && cut.at(cut.size() - 1).isHighSurrogate())
        cut.chop(1);
    uchar* field = reinterpret_cast<uchar*>(record.data()) + offset;
    for (int i = 0; i < cut.size(); ++i)
        qToLittleEndian<quint16>(cut.at(i).unicode(), field + 2 * i);
}

QString takeText(const QByteArray& record, int offset)
{
    const uchar* field = reinterpret_cast<const uchar*>(record.constData()) + offset;
    QString text;
    for (int i = 0; i < kTextField / 2; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(field + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

void putInt(QByteArray& record, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, reinterpret_cast<uchar*>(record.data()) + offset);
}

qint32 takeInt(const QByteArray& record, int offset)
{
    return qFromLittleEndian<qint32>(reinterpret_cast<const uchar*>(record.constData()) + offset);
}

} // namespace

QByteArray build(const QString& text, const QColor& colour)
{
    QByteArray record(kSize, '\0');
    putText(record, kTextOffset, text);
    putInt(record, kReservedOffset, 0);
    putInt(record, kDurationOffset, kDurationMs);
    putInt(record, kReserved2Offset, 0);
    const QColor rgb = colour.toRgb();
    putInt(record, kColourOffset, rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
    putInt(record, kOpacityOffset, kOpacityPercent);
    putText(record, kFontOffset, QStringLiteral("Arial"));
    return record;
}

bool parse(const QByteArray& record, Message& message)
{
    if (record.size() != kSize)
        return false;
    message.text = takeText(record, kTextOffset);
    message.fontName = takeText(record, kFontOffset);
    message.durationMs = takeInt(record, kDurationOffset);
    message.opacityPercent = takeInt(record, kOpacityOffset);
    const quint32 colour = quint32(takeInt(record, kColourOffset));
    message.colour = QColor(int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff));
    return true;
}

} // namespace OsdRecord
