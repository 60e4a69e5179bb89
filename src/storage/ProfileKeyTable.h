// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ProfileField.h"

#include <QByteArray>

#include <string_view>
#include <vector>

// The key names of a profile section and the field each one names, built
// once for the whole program so that reading and writing a profile builds no
// key names at all.
class ProfileKeyTable
{
public:
    struct Entry
    {
        std::string_view name;    // as read: "LedMode/LED_MODE_3_RGB"
        std::string_view written; // as the text holds it: "LedMode\LED_MODE_3_RGB"
        ProfileField field;
    };

    static const ProfileKeyTable& instance();
    // Starts building the table on a pool thread, for a program that will
    // read profiles soon and has other work to do first; instance() waits
    // for that build if it is still running.
    static void buildAhead();

    // Every key, in the order a section of the text lists them (QSettings'
    // order of key names, which for these ASCII names is byte order).
    const std::vector<Entry>& entries() const { return m_entries; }
    // The entry of a key as the text holds it ("LedMode\LED_MODE_3_RGB"),
    // or nullptr for one that is no field's. A text we wrote lists the keys
    // in table order, so the entry after the last one found (after) is
    // tried first.
    const Entry* find(std::string_view written, const Entry* after = nullptr) const;

private:
    ProfileKeyTable();
    static quint32 hash(std::string_view name);

    // The names, one after the other in table order, so that a walk through
    // a text walks through memory.
    QByteArray m_names;
    QByteArray m_written;
    std::vector<Entry> m_entries;
    // Open addressing over a power of two of slots, at most a third of them
    // used: an entry index plus one, 0 for a free slot.
    std::vector<quint16> m_slots;
    quint32 m_mask = 0;
};
