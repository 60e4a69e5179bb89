// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileKeyTable.h"

#include "storage/FileLimits.h"

#include <QThreadPool>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace {

// The keys as they are made: each name a stretch of one arena, so that the
// eleven thousand names cost no allocation each.
struct Keys
{
    std::string arena;
    struct Key
    {
        quint32 offset;
        quint32 size;
        ProfileField field;
    };
    std::vector<Key> list;

    std::string_view name(const Key& key) const
    {
        return std::string_view(arena).substr(key.offset, key.size);
    }

    // The name is the pieces one after the other.
    void add(std::initializer_list<std::string_view> pieces, ProfileField field)
    {
        const size_t offset = arena.size();
        for (std::string_view piece : pieces)
            arena.append(piece);
        list.push_back({quint32(offset), quint32(arena.size() - offset), field});
    }
};

ProfileField field(ProfileField::Kind kind, int index = 0, int step = 0)
{
    ProfileField f;
    f.kind = kind;
    f.index = quint8(index);
    f.step = quint8(step);
    return f;
}

// Every key of a profile section.
Keys profileKeys()
{
    using F = ProfileField;
    Keys keys;
    keys.list.reserve(FileLimits::kProfileKeys);
    keys.arena.reserve(size_t(FileLimits::kProfileKeys) * 32);
    const std::pair<const char*, F::Kind> profileBytes[] = {{"pollrate", F::Pollrate},
                                                            {"dpi", F::Dpi},
                                                            {"LedMode", F::LedMode},
                                                            {"LedMoveOFF", F::LedMoveOff},
                                                            {"LedSleepTime", F::LedSleepTime},
                                                            {"mousespeed", F::MouseSpeed},
                                                            {"dbclickspeed", F::DoubleClickSpeed},
                                                            {"scrollispage", F::ScrollIsPage},
                                                            {"scrollspeed", F::ScrollSpeed},
                                                            {"accelenable", F::AccelEnable},
                                                            {"acee", F::Acee},
                                                            {"ProfileName", F::ProfileName},
                                                            {"ProfilePath", F::ProfilePath}};
    for (const auto& key : profileBytes)
        keys.add({key.first}, field(key.second));

    const std::pair<const char*, F::Kind> stageKeys[] = {{"used", F::StageUsed},
                                                         {"link", F::StageLink},
                                                         {"xy", F::StageXy},
                                                         {"x", F::StageX},
                                                         {"y", F::StageY}};
    for (int n = 0; n < ProfileData::kStages; ++n) {
        const std::string number = std::to_string(n);
        for (const auto& key : stageKeys)
            keys.add({"DPI_INFO_", number, "_", key.first}, field(key.second, n));
    }

    const std::pair<const char*, F::Kind> buttonKeys[] = {{"_ID", F::ButtonId},
                                                          {"_Fun", F::ButtonFun},
                                                          {"_LoopNumber", F::ButtonLoopNumber},
                                                          {"_KeyNumber", F::ButtonKeyNumber},
                                                          {"_Res1", F::ButtonRes1},
                                                          {"_Res2", F::ButtonRes2},
                                                          {"_Res3", F::ButtonRes3},
                                                          {"_Res4", F::ButtonRes4},
                                                          {"_macroname", F::MacroName}};
    for (int b = 0; b < ProfileData::kButtons; ++b) {
        const std::string button = std::to_string(b);
        for (const auto& key : buttonKeys)
            keys.add({"BUTTON_INFO_", button, key.first}, field(key.second, b));
        // The three bytes of step k: "_map" (byte 0), "_" (byte 1), "_H" (byte 2).
        for (int k = 0; k < ButtonAssignment::kSteps; ++k) {
            const std::string step = std::to_string(k);
            keys.add({"BUTTON_INFO_", button, "_KeyInfo_", step, "_map"}, field(F::StepMap, b, k));
            keys.add({"BUTTON_INFO_", button, "_KeyInfo_", step, "_"}, field(F::StepLow, b, k));
            keys.add({"BUTTON_INFO_", button, "_KeyInfo_", step, "_H"}, field(F::StepHigh, b, k));
        }
    }

    const std::pair<const char*, F::Kind> ledKeys[] = {{"RGB", F::LedColour},    {"h", F::LedH},
                                                       {"s", F::LedS},           {"v", F::LedV},
                                                       {"bright", F::LedBright}, {"breath", F::LedBreath}};
    for (int m = 0; m < ProfileData::kLedModes; ++m) {
        const std::string mode = std::to_string(m);
        for (const auto& key : ledKeys)
            keys.add({"LedMode/LED_MODE_", mode, "_", key.first}, field(key.second, m));
    }
    return keys;
}

} // namespace

const ProfileKeyTable& ProfileKeyTable::instance()
{
    static const ProfileKeyTable table;
    return table;
}

void ProfileKeyTable::buildAhead()
{
    QThreadPool::globalInstance()->start([] { (void)instance(); });
}

ProfileKeyTable::ProfileKeyTable()
{
    Keys keys = profileKeys();
    Q_ASSERT(int(keys.list.size()) == FileLimits::kProfileKeys);
    // Byte order, which for these ASCII names is QSettings' order too.
    std::sort(keys.list.begin(), keys.list.end(),
              [&keys](const Keys::Key& a, const Keys::Key& b) { return keys.name(a) < keys.name(b); });
    m_names.reserve(int(keys.arena.size()));
    for (const Keys::Key& key : keys.list)
        m_names.append(keys.name(key).data(), int(key.size));
    m_written = m_names;
    m_written.replace('/', '\\');
    m_entries.reserve(keys.list.size());
    size_t offset = 0;
    for (const Keys::Key& key : keys.list) {
        m_entries.push_back({std::string_view(m_names.constData() + offset, key.size),
                             std::string_view(m_written.constData() + offset, key.size), key.field});
        offset += key.size;
    }

    m_slots.assign(32768, 0);
    m_mask = quint32(m_slots.size() - 1);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        quint32 slot = hash(m_entries[i].written) & m_mask;
        while (m_slots[slot])
            slot = (slot + 1) & m_mask;
        m_slots[slot] = quint16(i + 1);
    }
}

// Eight bytes at a time: the names differ in few bytes, so every word
// counts, and a multiply per word is all a name of some 25 bytes costs.
quint32 ProfileKeyTable::hash(std::string_view name)
{
    quint64 h = name.size();
    size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, name.data() + i, 8);
        h = (h ^ word) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    if (i < name.size()) {
        quint64 word = 0;
        std::memcpy(&word, name.data() + i, name.size() - i);
        h = (h ^ word) * 0x9E3779B97F4A7C15ull;
    }
    return quint32(h >> 32) ^ quint32(h);
}

const ProfileKeyTable::Entry* ProfileKeyTable::find(std::string_view written, const Entry* after) const
{
    if (after && after + 1 < m_entries.data() + m_entries.size() && after[1].written == written)
        return after + 1;
    for (quint32 slot = hash(written) & m_mask; m_slots[slot]; slot = (slot + 1) & m_mask) {
        const Entry& entry = m_entries[m_slots[slot] - 1u];
        if (entry.written == written)
            return &entry;
    }
    return nullptr;
}
