// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/IniValue.h"

#include "storage/StorageLog.h"

#include <QColor>
#include <QDataStream>
#include <QIODevice>

namespace {

const QString kVariantPrefix = QStringLiteral("@Variant(");
const QString kStringPrefix = QStringLiteral("@String(");

// The typed forms QSettings would decode. Anything else that starts with
// "@" is plain text to QSettings, and so it is to us.
const char* const kTypedPrefixes[] = {"@ByteArray(", "@Variant(", "@DateTime(", "@Rect(",
                                      "@Size(",      "@Point(",   "@Invalid("};

// A colour in QDataStream's version 7 (Qt 4.0) form, as QSettings writes
// it: the variant's type id 67, the colour spec, then alpha, three
// components and a pad, 16 bits each.
constexpr int kColourBytes = 15;
constexpr quint32 kColourTypeId = 67;
// Invalid, Rgb, Hsv, Cmyk, Hsl: the specs whose fields are plain integers.
constexpr int kLastPlainSpec = 4;

bool isTyped(const QString& stored)
{
    for (const char* prefix : kTypedPrefixes)
        if (stored.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

QVariant decodeColour(const QString& stored)
{
    const QString body = stored.mid(kVariantPrefix.size(), stored.size() - kVariantPrefix.size() - 1);
    if (body.size() != kColourBytes || !stored.endsWith(QLatin1Char(')')))
        return QVariant();
    QByteArray bytes;
    for (const QChar ch : body) {
        if (ch.unicode() > 0xFF)
            return QVariant();
        bytes.append(char(ch.unicode()));
    }
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 typeId = 0;
    qint8 spec = 0;
    stream >> typeId >> spec;
    if (typeId != kColourTypeId || spec < 0 || spec > kLastPlainSpec)
        return QVariant();
    QDataStream colourStream(bytes.mid(4));
    colourStream.setVersion(QDataStream::Qt_4_0);
    QColor colour;
    colourStream >> colour;
    return QVariant::fromValue(colour);
}

QString encodeColour(QColor colour)
{
    if (colour.spec() > QColor::Spec(kLastPlainSpec))
        colour = colour.toRgb();
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << kColourTypeId << colour;
    QString stored = kVariantPrefix;
    for (const char byte : bytes)
        stored += QChar(uchar(byte));
    return stored + QLatin1Char(')');
}

QString encodeText(const QString& text)
{
    if (text.contains(QChar(0)))
        return kStringPrefix + text + QLatin1Char(')');
    if (text.startsWith(QLatin1Char('@')))
        return QLatin1Char('@') + text;
    return text;
}

} // namespace

namespace IniValue {

QVariant decode(const QString& stored)
{
    if (!stored.startsWith(QLatin1Char('@')))
        return stored;
    if (stored.startsWith(QLatin1String("@@")))
        return stored.mid(1);
    if (stored.startsWith(kStringPrefix) && stored.endsWith(QLatin1Char(')')))
        return stored.mid(kStringPrefix.size(), stored.size() - kStringPrefix.size() - 1);
    if (!isTyped(stored) || !stored.endsWith(QLatin1Char(')')))
        return stored;
    if (stored.startsWith(kVariantPrefix)) {
        const QVariant colour = decodeColour(stored);
        if (colour.isValid())
            return colour;
    }
    qCWarning(lcStorage) << "ignored a stored value of a type the files do not hold:" << stored.left(24);
    return QVariant();
}

QVariant decodeList(const QStringList& stored)
{
    QStringList list;
    for (const QString& element : stored) {
        const QVariant value = decode(element);
        if (value.userType() != QMetaType::QString)
            return QVariant();
        list.append(value.toString());
    }
    return list;
}

bool encode(const QVariant& value, QString& stored)
{
    switch (value.userType()) {
    case QMetaType::QString:
        stored = encodeText(value.toString());
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
    case QMetaType::Double:
        stored = value.toString();
        return true;
    case QMetaType::QColor:
        stored = encodeColour(value.value<QColor>());
        return true;
    default:
        return false;
    }
}

} // namespace IniValue
