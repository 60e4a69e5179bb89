// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/MacroImage.h"

#include <algorithm>

namespace {

constexpr int kEventsPerGroup = 4;
constexpr int kPlacesPerGroup = kEventsPerGroup + 1;
const MacroEvent kPause{MacroEvent::Delay, 0x01, 0x00};

void putEvent(QByteArray& image, int place, const MacroEvent& event)
{
    image[3 * place] = static_cast<char>(event.Map);
    image[3 * place + 1] = static_cast<char>(event.DataL);
    image[3 * place + 2] = static_cast<char>(event.DataH);
}

} // namespace

QByteArray MacroImage::slotImage(const QVector<MacroEvent>& events)
{
    const int n = events.size();
    const bool hasOwnDelays = std::any_of(events.begin(), events.end(),
                                          [](const MacroEvent& e) { return e.Map == MacroEvent::Delay; });
    if (hasOwnDelays) {
        QByteArray image(3 * n, '\0');
        for (int i = 0; i < n; ++i)
            putEvent(image, i, events.at(i));
        return image;
    }
    const int groups = n / kEventsPerGroup + 1;
    QByteArray layout(3 * kPlacesPerGroup * groups, '\0');
    for (int i = 0; i < n; ++i)
        putEvent(layout, i / kEventsPerGroup * kPlacesPerGroup + i % kEventsPerGroup, events.at(i));
    for (int g = 0; g < groups; ++g)
        putEvent(layout, g * kPlacesPerGroup + kEventsPerGroup, kPause);
    const int endPlace = n + n / kEventsPerGroup;
    putEvent(layout, endPlace, kPause);
    return layout.left(3 * (endPlace + 2));
}

void MacroImage::clear()
{
    for (auto& slot : m_slots)
        slot.fill(0);
}

void MacroImage::store(int slot, const QVector<MacroEvent>& events)
{
    if (slot < 0 || slot >= kSlots)
        return;
    const QByteArray image = slotImage(events);
    auto& bytes = m_slots[slot];
    bytes.fill(0);
    std::copy_n(image.constBegin(), std::min<int>(image.size(), kStoredBytes), bytes.begin());
}

bool MacroImage::isUsed(int slot) const
{
    const auto& bytes = m_slots[slot];
    return std::any_of(bytes.begin(), bytes.begin() + 5, [](quint8 b) { return b != 0; });
}

std::array<Payload, MacroImage::kCommandsPerSlot> MacroImage::slotCommands(int slot) const
{
    std::array<Payload, kCommandsPerSlot> commands;
    const quint8* bytes = m_slots[slot].data();
    const int first = 16 + kCommandsPerSlot * slot;
    for (int k = 0; k < kCommandsPerSlot - 1; ++k)
        commands[k] = checksummedPayload(static_cast<quint8>(first + k), bytes + 30 * k, 30);
    commands[kCommandsPerSlot - 1] = checksummedPayload(static_cast<quint8>(first + 8), bytes + 240, 16);
    return commands;
}
