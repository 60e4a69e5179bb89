#include "storage/SettingsValues.h"

#include "storage/StoredColour.h"

#include <QStringList>

namespace SettingsValues {

int readInt(const QSettings& settings, const QString& key, int defaultValue)
{
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toInt() : defaultValue;
}

quint8 readByte(const QSettings& settings, const QString& key, quint8 defaultValue)
{
    const QVariant value = settings.value(key);
    return value.isValid() ? quint8(value.toInt()) : defaultValue;
}

quint32 readUInt(const QSettings& settings, const QString& key)
{
    return quint32(settings.value(key).toLongLong());
}

QString readText(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QColor readColour(const QSettings& settings, const QString& key)
{
    // QColor's own serialised form, or a text that names a colour.
    return StoredColour::fromVariant(settings.value(key));
}

} // namespace SettingsValues
