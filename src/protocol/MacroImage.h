// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Payload.h"
#include "storage/MacroEvent.h"

#include <QByteArray>
#include <QVector>

#include <array>

// The device form of the macros: twelve slots of 256 bytes, each holding the
// image of one macro, sent as nine commands per slot.
class MacroImage
{
public:
    static constexpr int kSlots = 12;
    static constexpr int kSlotSize = 256;
    static constexpr int kStoredBytes = 200; // the rest of a slot stays zero
    static constexpr int kCommandsPerSlot = 9;

    // The image of one macro before it is cut to kStoredBytes. Events without
    // a delay are laid out in groups of four, each group followed by a short
    // pause, and the macro ends with one more; a macro that carries its own
    // delays is taken as it is.
    static QByteArray slotImage(const QVector<MacroEvent>& events);

    MacroImage() { clear(); }
    void clear();
    // Stores the first kStoredBytes of the macro's image in slot (0 to 11).
    void store(int slot, const QVector<MacroEvent>& events);
    // A slot whose first five bytes are zero holds no macro and is not sent.
    bool isUsed(int slot) const;
    const quint8* slotBytes(int slot) const { return m_slots[slot].data(); }

    // The nine checksummed commands of a slot: 16 + 9 * slot + k.
    std::array<Payload, kCommandsPerSlot> slotCommands(int slot) const;

private:
    std::array<std::array<quint8, kSlotSize>, kSlots> m_slots;
};
