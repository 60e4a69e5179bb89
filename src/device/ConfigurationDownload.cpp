// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ConfigurationDownload.h"

#include "device/DeviceState.h"
#include "hid/DeviceLink.h"
#include "hid/DeviceLogging.h"
#include "protocol/CommandBuilder.h"
#include "protocol/DeviceLimits.h"
#include "protocol/FunctionTable.h"
#include "protocol/MacroNameTable.h"
#include "storage/MacroFiles.h"

ConfigurationDownload::ConfigurationDownload(DeviceLink& link, DeviceState& deviceState,
                                             const AppPaths& paths, const SensorTables& tables)
    : m_link(link), m_state(deviceState), m_paths(paths), m_commands(link, tables), m_tables(tables)
{
    m_commands.setTransferDone([this] { countTransfer(); });
}

void ConfigurationDownload::countTransfer()
{
    ++m_done;
    if (m_progress && m_total > 0)
        m_progress(qMin(m_done, m_total), m_total);
}

// The fixed commands (markers, performance and options, button table, DPI
// stages) plus nine per macro slot, as a dry run on copies: the button table
// decides which macros get a slot, the macro files how many slots are used.
int ConfigurationDownload::plannedTransfers(const ModelDescription& model) const
{
    ProfileData first = m_state.set.profiles[0];
    MacroNameTable names;
    const auto buttonCommands = CommandBuilder::buttonTable(first, model, m_tables, names);
    const int fixed = 2 + 2 + int(buttonCommands.size()) + 2;
    MacroImage image;
    if (!fillMacroImage(image, names, false))
        return fixed;
    int macroCommands = 0;
    for (int slot = 0; slot < MacroImage::kSlots; ++slot)
        macroCommands += image.isUsed(slot) ? MacroImage::kCommandsPerSlot : 0;
    return fixed + macroCommands;
}

quint8 ConfigurationDownload::downloadConfiguration(const ProfileSet& state, const ModelDescription& model)
{
    m_state.set = state;
    m_state.model = model;
    ProfileSet& set = m_state.set;
    // Whatever the files held, only values the mouse accepts go out. The
    // first profile is the one sent; the others are kept in range for the
    // commands built from this copy later.
    for (const LimitChange& change : DeviceLimits::clamp(set, model))
        if (change.profile == 0)
            qCWarning(lcTransfer).noquote() << "adjusted before sending:" << change.text();

    m_done = 0;
    m_total = m_progress ? plannedTransfers(model) : 0;
    quint8 result = m_commands.sendBoundaryMarker(false);
    if (result == TransferOk)
        result = m_commands.sendPerformanceAndLighting(set, model);
    if (result == TransferOk)
        result = m_commands.sendButtonTable(set.profiles[0], model, m_state.macroNames);
    if (result == TransferOk)
        result = m_commands.sendDpiStages(set.profiles[0], model);
    if (result == TransferOk)
        result = sendMacros();
    if (result == TransferOk)
        result = m_commands.sendBoundaryMarker(true);
    return result;
}

quint8 ConfigurationDownload::sendMacros()
{
    if (!buildMacroImage())
        return TransferOk;
    return sendMacroImage();
}

// False when a macro would need a slot the mouse does not have: then no
// macro at all is sent.
bool ConfigurationDownload::buildMacroImage()
{
    m_image.clear();
    return fillMacroImage(m_image, m_state.macroNames, true);
}

// With pace, waits between macros as the mouse expects; the dry run for the
// progress count does not.
bool ConfigurationDownload::fillMacroImage(MacroImage& image, MacroNameTable& names, bool pace) const
{
    MacroFiles macroFiles(m_paths);
    for (const ProfileData& profile : m_state.set.profiles) {
        for (const ButtonAssignment& button : profile.buttons) {
            if (button.Fun != FunctionTable::Macro && button.Fun != FunctionTable::GunMacro)
                continue;
            // Each macro is built once: its name leaves the table once built.
            // A button whose name is not (or no longer) in the table is
            // skipped, and the images built so far are still sent.
            const int slot = names.find(button.macroname);
            if (slot < 0)
                continue;
            if (slot >= MacroImage::kSlots) {
                if (pace)
                    debugLog(QStringLiteral("iIndex>=MAX_MACRO_NUMBER_560\n"));
                return false;
            }
            image.store(slot, macroFiles.readEvents(button.macroname));
            if (pace)
                m_link.clock().sleepMs(kMacroWaitMs);
            names.remove(button.macroname);
        }
    }
    return true;
}

quint8 ConfigurationDownload::sendMacroImage()
{
    for (int slot = 0; slot < MacroImage::kSlots; ++slot) {
        if (!m_image.isUsed(slot))
            continue;
        for (const Payload& payload : m_image.slotCommands(slot)) {
            const quint8 result = m_commands.send(payload);
            if (result != TransferOk)
                return result;
        }
    }
    return TransferOk;
}
