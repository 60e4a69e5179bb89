#pragma once

#include "device/DeviceCommands.h"
#include "protocol/MacroImage.h"
#include "storage/AppPaths.h"

class DeviceLink;
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
    ConfigurationDownload(DeviceLink& link, DeviceState& deviceState, const AppPaths& paths,
                          const SensorTables& tables);

    // Copies state and model into the device layer's copy, then sends it.
    // Returns 0 when every step succeeded, else the first failed result.
    quint8 downloadConfiguration(const ProfileSet& state, const ModelDescription& model);
    // Builds and sends the macros named by the latest button table.
    quint8 sendMacros();

    int macroWaitMs() const { return kMacroWaitMs; }

private:
    static constexpr int kMacroWaitMs = 50;

    bool buildMacroImage();
    quint8 sendMacroImage();

    DeviceLink& m_link;
    DeviceState& m_state;
    AppPaths m_paths;
    DeviceCommands m_commands;
    MacroImage m_image;
};
