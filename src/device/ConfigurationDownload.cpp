#include "device/ConfigurationDownload.h"

#include "device/DeviceState.h"
#include "hid/DeviceLink.h"
#include "hid/DeviceLogging.h"
#include "protocol/DeviceLimits.h"
#include "protocol/FunctionTable.h"
#include "storage/MacroFiles.h"

ConfigurationDownload::ConfigurationDownload(DeviceLink& link, DeviceState& deviceState,
                                             const AppPaths& paths, const SensorTables& tables)
    : m_link(link), m_state(deviceState), m_paths(paths), m_commands(link, tables)
{
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
    MacroFiles macroFiles(m_paths);
    MacroNameTable& names = m_state.macroNames;
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
                debugLog(QStringLiteral("iIndex>=MAX_MACRO_NUMBER_560\n"));
                return false;
            }
            m_image.store(slot, macroFiles.readEvents(button.macroname));
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
