// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceCommands.h"

#include "hid/DeviceLink.h"
#include "protocol/CommandBuilder.h"
#include "protocol/FramedCommands.h"
#include "storage/ProfileSet.h"

DeviceCommands::DeviceCommands(DeviceLink& link, const SensorTables& tables) : m_link(link), m_tables(tables)
{
}

quint8 DeviceCommands::send(const Payload& payload)
{
    const QByteArray report = reportFromPayload(payload);
    const quint8 result = m_link.transfer(reinterpret_cast<const quint8*>(report.constData()), kReportSize);
    if (result == TransferOk && m_transferDone)
        m_transferDone();
    return result;
}

template <typename Payloads> quint8 DeviceCommands::sendAll(const Payloads& payloads)
{
    quint8 result = TransferOk;
    for (const Payload& payload : payloads) {
        result = send(payload);
        if (result != TransferOk)
            break;
    }
    return result;
}

quint8 DeviceCommands::selectProfile(int index)
{
    return send(FramedCommands::selectProfile(index));
}

quint8 DeviceCommands::commitSettings(quint8 mask)
{
    return send(FramedCommands::commitSettings(mask));
}

quint8 DeviceCommands::commitAll()
{
    quint8 result = TransferOk;
    for (quint8 mask : FramedCommands::kCommitAllMasks) {
        result = commitSettings(mask);
        if (result != TransferOk)
            break;
    }
    return result;
}

quint8 DeviceCommands::switchProfile(int index)
{
    quint8 result = selectProfile(index);
    if (result == TransferOk)
        result = commitSettings(0x01);
    if (result == TransferOk)
        result = commitAll();
    return result;
}

quint8 DeviceCommands::sendBoundaryMarker(bool end)
{
    return send(CommandBuilder::boundaryMarker(end));
}

quint8 DeviceCommands::sendPerformanceAndLighting(const ProfileSet& set, const ModelDescription& model)
{
    const Payload both[] = {CommandBuilder::performanceAndLighting(set.profiles[0]),
                            CommandBuilder::deviceOptions(set, model)};
    return sendAll(both);
}

quint8 DeviceCommands::sendDpiStages(const ProfileData& profile, const ModelDescription& model)
{
    return sendAll(CommandBuilder::dpiStages(profile, model, m_tables));
}

quint8 DeviceCommands::sendButtonTable(ProfileData& profile, const ModelDescription& model,
                                       MacroNameTable& macroNames)
{
    return sendAll(CommandBuilder::buttonTable(profile, model, m_tables, macroNames));
}
