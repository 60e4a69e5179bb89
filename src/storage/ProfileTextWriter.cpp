// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileText.h"

#include "storage/IniSyntax.h"
#include "storage/ProfileKeyTable.h"
#include "storage/StorageLog.h"

namespace {

using LightKeys = ProfileCodec::LightKeys;

#ifdef Q_OS_WIN
const char kLineEnd[] = "\r\n";
#else
const char kLineEnd[] = "\n";
#endif

// A full profile's text, so that it is laid out once.
constexpr int kProfileTextBytes = 384 * 1024;

void appendNumber(QByteArray& out, qint64 value)
{
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (negative)
        out += '-';
    while (n)
        out += digits[--n];
}

// The stored text of a field, as ProfileCodec hands it to IniText: numbers
// as their digits, text and colours in their stored form.
struct AppendField
{
    QByteArray& out;

    void operator()(quint8 value) const { appendNumber(out, value); }
    void operator()(qint32 value) const { appendNumber(out, value); }
    void operator()(quint32 value) const { appendNumber(out, value); }
    void operator()(const QString& value) const { IniText::appendValue(value, out); }
    void operator()(const QColor& value) const { IniText::appendValue(QVariant::fromValue(value), out); }
};

class Writer
{
public:
    Writer(const ProfileData& record, const QString& section, LightKeys keys)
        : m_record(record), m_section(section), m_keys(keys)
    {
        m_text.reserve(kProfileTextBytes);
    }

    QByteArray write(const KeptKeys& kept);

private:
    void header(const QString& group);
    void keptLine(const QString& name, const QVariant& value);
    void keptGroup(const QString& group, const KeptKeys::Group& keys);
    void ownSection(const KeptKeys::Group* kept);

    const ProfileData& m_record;
    const QString m_section;
    const LightKeys m_keys;
    QByteArray m_text;
};

// The groups in IniText's order (the top level first, then by name), with
// the record's section among them.
QByteArray Writer::write(const KeptKeys& kept)
{
    bool ownWritten = false;
    const QMap<QString, KeptKeys::Group>& groups = kept.groups();
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        if (!ownWritten && m_section <= group.key()) {
            ownSection(group.key() == m_section ? &group.value() : nullptr);
            ownWritten = true;
            if (group.key() == m_section)
                continue;
        }
        keptGroup(group.key(), group.value());
    }
    if (!ownWritten)
        ownSection(nullptr);
    return m_text;
}

void Writer::header(const QString& group)
{
    if (!m_text.isEmpty())
        m_text += kLineEnd;
    if (group.isEmpty())
        m_text += "[General]";
    else if (group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        m_text += "[%" + group.toLatin1() + ']';
    else
        m_text += '[' + IniText::escapedKey(group) + ']';
    m_text += kLineEnd;
}

void Writer::keptLine(const QString& name, const QVariant& value)
{
    const int start = m_text.size();
    m_text += IniText::escapedKey(name);
    m_text += '=';
    if (IniText::appendValue(value, m_text)) {
        m_text += kLineEnd;
        return;
    }
    m_text.truncate(start);
    qCWarning(lcStorage) << "not written, a type the files do not hold:" << name;
}

void Writer::keptGroup(const QString& group, const KeptKeys::Group& keys)
{
    header(group);
    if (!group.isEmpty()) {
        for (auto key = keys.cbegin(); key != keys.cend(); ++key)
            keptLine(key.key().joined(), key.value());
        return;
    }
    // Top-level names are whole "section/key" names; a leading "/" is
    // dropped, and of two names that then agree the later one in name order
    // is written.
    QMap<QString, QVariant> names;
    for (auto key = keys.cbegin(); key != keys.cend(); ++key) {
        const QString name = key.key().joined();
        names.insert(name.mid(name.indexOf(QLatin1Char('/')) + 1), key.value());
    }
    for (auto key = names.cbegin(); key != names.cend(); ++key)
        keptLine(key.key(), key.value());
}

// The record's keys in table order, with the section's kept keys merged in
// by name.
void Writer::ownSection(const KeptKeys::Group* kept)
{
    header(m_section);
    auto next = kept ? kept->cbegin() : KeptKeys::Group::const_iterator();
    const auto end = kept ? kept->cend() : KeptKeys::Group::const_iterator();
    QString nextName = next != end ? next.key().joined() : QString();
    auto advance = [&] {
        ++next;
        nextName = next != end ? next.key().joined() : QString();
    };
    for (const ProfileKeyTable::Entry& entry : ProfileKeyTable::instance().entries()) {
        if (m_keys == LightKeys::Excluded && entry.field.isLightKey())
            continue;
        const QLatin1String name(entry.name.data(), int(entry.name.size()));
        for (int order = 0; next != end && (order = nextName.compare(name)) <= 0; advance()) {
            // A kept key never has a field's name; the record's value is the
            // one that counts.
            if (order < 0)
                keptLine(nextName, next.value());
        }
        m_text.append(entry.written.data(), int(entry.written.size()));
        m_text += '=';
        visitField(m_record, entry.field, AppendField{m_text});
        m_text += kLineEnd;
    }
    for (; next != end; advance())
        keptLine(nextName, next.value());
}

} // namespace

QByteArray ProfileText::write(const ProfileData& record, const QString& section, LightKeys keys,
                              const KeptKeys& kept)
{
    return Writer(record, section, keys).write(kept);
}
