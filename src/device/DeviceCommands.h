// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Payload.h"

#include <QtGlobal>

#include <functional>

class DeviceLink;
class MacroNameTable;
class SensorTables;
struct ModelDescription;
struct ProfileData;
struct ProfileSet;

// Sends commands through the link's verified transfer. Every operation
// returns the result of the last transfer it made (0 = success) and sends
// nothing further after a failure.
class DeviceCommands
{
public:
    explicit DeviceCommands(DeviceLink& link, const SensorTables& tables);

    quint8 send(const Payload& payload);
    // Called after every transfer that succeeded.
    void setTransferDone(std::function<void()> done) { m_transferDone = std::move(done); }

    // Framed commands.
    quint8 selectProfile(int index);
    quint8 commitSettings(quint8 mask);
    quint8 commitAll();
    // The profile switch: select, commit group 0x01, commit everything. The
    // caller applies the profile's pointer speed afterwards.
    quint8 switchProfile(int index);

    // Checksummed commands of a download, built from the set's first profile.
    quint8 sendBoundaryMarker(bool end);
    quint8 sendPerformanceAndLighting(const ProfileSet& set, const ModelDescription& model);
    quint8 sendDpiStages(const ProfileData& profile, const ModelDescription& model);
    quint8 sendButtonTable(ProfileData& profile, const ModelDescription& model, MacroNameTable& macroNames);

private:
    template <typename Payloads> quint8 sendAll(const Payloads& payloads);

    DeviceLink& m_link;
    const SensorTables& m_tables;
    std::function<void()> m_transferDone;
};
