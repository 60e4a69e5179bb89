// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsValues.h"

#include <QStringList>

namespace {

// The text of a value read as text (or as a list, or a number); an invalid
// QVariant for anything else, a colour say.
QVariant textValue(const IniReader& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    switch (value.userType()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
    case QMetaType::Double:
        return value;
    default:
        return QVariant();
    }
}

} // namespace

namespace SettingsValues {

int readInt(const IniReader& settings, const QString& key, int defaultValue)
{
    const QVariant value = textValue(settings, key);
    return value.isValid() ? value.toInt() : defaultValue;
}

quint8 readByte(const IniReader& settings, const QString& key, quint8 defaultValue)
{
    const QVariant value = textValue(settings, key);
    return value.isValid() ? quint8(value.toInt()) : defaultValue;
}

quint32 readUInt(const IniReader& settings, const QString& key)
{
    return quint32(textValue(settings, key).toLongLong());
}

QString readText(const IniReader& settings, const QString& key)
{
    return textValue(settings, key).toString();
}

QColor readColour(const IniReader& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::QColor)
        return value.value<QColor>();
    if (value.userType() == QMetaType::QString)
        return QColor(value.toString());
    return QColor();
}

} // namespace SettingsValues
