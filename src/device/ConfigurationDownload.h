// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DeviceCommands.h"
#include "protocol/MacroImage.h"
#include "storage/AppPaths.h"

#include <functional>

class DeviceLink;
class MacroNameTable;
class SensorTables;
struct DeviceState;
struct ModelDescription;
struct ProfileSet;

// Writes a whole configuration to the mouse: markers, performance and
// lighting, button table, DPI stages and the contents of every macro the
// first profile uses. Blocks for the whole download; run it off the
// interface thread.
class ConfigurationDownload
{
public:
    // Told after every successful transfer of a download: how many are done
    // and how many the whole download makes. Called on the downloading thread.
    using Progress = std::function<void(int done, int total)>;

    ConfigurationDownload(DeviceLink& link, DeviceState& deviceState, const AppPaths& paths,
                          const SensorTables& tables);

    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Copies state and model into the device layer's copy, then sends it.
    // Returns 0 when every step succeeded, else the first failed result.
    quint8 downloadConfiguration(const ProfileSet& state, const ModelDescription& model);
    // Builds and sends the macros named by the latest button table.
    quint8 sendMacros();

    int macroWaitMs() const { return kMacroWaitMs; }

private:
    static constexpr int kMacroWaitMs = 50;

    // How many transfers sending the device layer's copy takes, counted
    // before the first one goes out so that progress has a fixed end.
    int plannedTransfers(const ModelDescription& model) const;
    // False when a macro would need a slot the mouse does not have.
    bool fillMacroImage(MacroImage& image, MacroNameTable& names, bool pace) const;
    bool buildMacroImage();
    void countTransfer();
    quint8 sendMacroImage();

    DeviceLink& m_link;
    DeviceState& m_state;
    AppPaths m_paths;
    DeviceCommands m_commands;
    const SensorTables& m_tables;
    MacroImage m_image;
    Progress m_progress;
    int m_done = 0;
    int m_total = 0;
};
