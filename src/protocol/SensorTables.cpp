// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/SensorTables.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSensorTables, "mousecfg.sensortables")

// The resource lives in a static library and must be registered by hand, from
// outside any namespace.
static void registerProtocolResources()
{
    Q_INIT_RESOURCE(ProtocolData);
}

namespace {

SensorTables loadShipped()
{
    registerProtocolResources();
    QFile file(QStringLiteral(":/protocol/SensorTables.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSensorTables) << "sensor tables missing from the resources";
        return SensorTables();
    }
    QString error;
    SensorTables tables = SensorTables::fromJson(file.readAll(), &error);
    if (!error.isEmpty())
        qCWarning(lcSensorTables) << "sensor tables unusable:" << error;
    return tables;
}

bool readValues(const QJsonArray& array, QVector<quint8>& values)
{
    for (const QJsonValue& item : array) {
        const double number = item.toDouble(-1);
        if (!item.isDouble() || number < 0 || number > 255 || number != static_cast<int>(number))
            return false;
        values.append(static_cast<quint8>(number));
    }
    return !values.isEmpty();
}

} // namespace

const SensorTables& SensorTables::shipped()
{
    // Built once, never changed afterwards; C++ guarantees a thread-safe start.
    static const SensorTables tables = loadShipped();
    return tables;
}

SensorTables SensorTables::fromJson(const QByteArray& json, QString* error)
{
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return SensorTables();
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull())
        return fail(parseError.errorString());
    const QJsonObject tablesObject = document.object().value(QStringLiteral("tables")).toObject();
    if (tablesObject.isEmpty())
        return fail(QStringLiteral("no \"tables\" object"));

    SensorTables result;
    for (auto it = tablesObject.begin(); it != tablesObject.end(); ++it) {
        bool isNumber = false;
        const int table = it.key().toInt(&isNumber);
        const QJsonObject entry = it.value().toObject();
        QVector<quint8> values;
        if (!isNumber || !readValues(entry.value(QStringLiteral("values")).toArray(), values))
            return fail(QStringLiteral("table \"%1\" is not a list of bytes").arg(it.key()));
        result.m_tables.insert(table, values);
        const QJsonObject estimated = entry.value(QStringLiteral("estimated")).toObject();
        if (!estimated.isEmpty()) {
            result.m_estimated.insert(table, qMakePair(estimated.value(QStringLiteral("first")).toInt(-1),
                                                       estimated.value(QStringLiteral("last")).toInt(-1)));
        }
    }
    if (error)
        error->clear();
    return result;
}

quint8 SensorTables::value(int table, int index) const
{
    const auto it = m_tables.constFind(table);
    if (it == m_tables.constEnd())
        return 0;
    const QVector<quint8>& values = it.value();
    return values.at(std::clamp(index, 0, static_cast<int>(values.size()) - 1));
}
