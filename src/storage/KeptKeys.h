// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

// The keys of a profile file that are no field of the record: other
// sections, and keys of the profile section that this version does not know.
// A save writes them back as they were read, so that keys of other versions
// and tools survive it.
//
// They are grouped by the section a save writes them in, the first part of
// their "section/key" name ("" for [General]). A name is kept in two parts,
// the head shared by every key of one section line, so that a long section
// name is not copied once per key.
class KeptKeys
{
public:
    struct Name
    {
        QString head;
        QString tail;

        QString joined() const { return head + tail; }
        // The order of the joined names, as QString compares them.
        bool operator<(const Name& other) const;
    };
    using Group = QMap<Name, QVariant>;

    // In group "" a name is the whole "section/key" name (its section empty
    // or starting with "/"); in the others it is the part after the group.
    // An invalid value removes the key, as a value the files do not hold
    // reads as missing.
    void set(const QString& group, const Name& name, const QVariant& value);
    void clear() { m_groups.clear(); }
    bool isEmpty() const { return m_groups.isEmpty(); }
    const QMap<QString, Group>& groups() const { return m_groups; }

private:
    QMap<QString, Group> m_groups;
};
