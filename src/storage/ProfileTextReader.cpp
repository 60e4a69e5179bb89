// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProfileText.h"

#include "storage/FileLimits.h"
#include "storage/IniLineSplitter.h"
#include "storage/IniSyntax.h"
#include "storage/ProfileKeyTable.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>

#include <cstring>

namespace {

using LightKeys = ProfileCodec::LightKeys;

// Longer than every key of the table; a longer name is none of its keys.
constexpr int kLongestKnownName = 48;

// A number as IniText writes it: an optional "-" and up to 18 digits, so
// that it fits a 64-bit integer. Anything else goes through the text form.
bool plainNumber(const char* begin, const char* end, qint64& number)
{
    const bool negative = begin < end && *begin == '-';
    const char* p = negative ? begin + 1 : begin;
    if (p == end || end - p > 18)
        return false;
    qint64 n = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        n = n * 10 + (*p - '0');
    }
    number = negative ? -n : n;
    return true;
}

// What a value reads as where text belongs (SettingsValues): a list joined
// back, text as it is; invalid for anything else (a colour).
QVariant textValue(const QVariant& value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.userType() == QMetaType::QString ? value : QVariant();
}

// One stored value decoded into the field it belongs to, with the
// conversions SettingsValues makes: a byte or an int from the number the
// text reads as (0 when it reads as none, truncated to the field's width),
// an unsigned one through 64 bits. "missing" stands for the value of a key
// that is not there, and for one of another kind.
struct Assign
{
    const QVariant* value = nullptr; // null: a plain number
    qint64 number = 0;
    quint8 missing = 0;

    void operator()(quint8& field) const
    {
        if (!value) {
            field = quint8(int(number));
            return;
        }
        const QVariant text = textValue(*value);
        field = text.isValid() ? quint8(text.toInt()) : missing;
    }
    void operator()(qint32& field) const { field = value ? textValue(*value).toInt() : int(number); }
    void operator()(quint32& field) const
    {
        field = value ? quint32(textValue(*value).toLongLong()) : quint32(number);
    }
    // Text and colours always come with their value (storesText()).
    void operator()(QString& field) const { field = textValue(*value).toString(); }
    void operator()(QColor& field) const
    {
        if (value && value->userType() == QMetaType::QColor)
            field = value->value<QColor>();
        else if (value && value->userType() == QMetaType::QString)
            field = QColor(value->toString());
        else
            field = QColor();
    }
};

quint8 indexWithin(quint8 value, int count)
{
    return value < count ? value : 0;
}

class Reader
{
public:
    Reader(const QByteArray& text, const QString& section, LightKeys keys, ProfileData* record,
           KeptKeys* kept)
        : m_text(text), m_section(section), m_keys(keys), m_record(record), m_kept(kept),
          m_table(ProfileKeyTable::instance())
    {
    }

    ProfileText::Refusal run();

private:
    enum class Place
    {
        General,  // keys at the top level: their names carry the section
        TopLevel, // a section starting with "/": still the top level
        Grouped   // keys of section m_group, names after m_head
    };

    void reset();
    ProfileText::Refusal readSection(const IniLineSplitter::Line& line);
    ProfileText::Refusal readKey(const IniLineSplitter::Line& line);
    void readSlowKey(const IniLineSplitter::Line& line, int keyEnd);
    bool isKnown(const ProfileKeyTable::Entry* entry) const
    {
        return entry && !(m_keys == LightKeys::Excluded && entry->field.isLightKey());
    }
    const ProfileKeyTable::Entry* knownEntry(const QString& name) const;
    void assign(ProfileField field, const IniLineSplitter::Line& line);
    void keep(const QString& group, const KeptKeys::Name& name, const IniLineSplitter::Line& line);

    const QByteArray& m_text;
    const QString m_section;
    const LightKeys m_keys;
    ProfileData* const m_record;
    KeptKeys* const m_kept;
    const ProfileKeyTable& m_table;

    Place m_place = Place::General;
    QString m_prefix; // "section/" as IniText names it, "" for [General]
    QString m_group;
    QString m_head;
    bool m_fast = false; // our section itself: key names are table names
    const ProfileKeyTable::Entry* m_lastFound = nullptr;
    int m_keyLines = 0;
    bool m_skippedLines = false;
};

void Reader::reset()
{
    if (m_record) {
        const quint8 lightOff = m_record->LedMoveOFF;
        const quint8 sleepTime = m_record->LedSleepTime;
        *m_record = ProfileData();
        const bool included = m_keys == LightKeys::Included;
        m_record->LedMoveOFF = included ? 255 : lightOff;
        m_record->LedSleepTime = included ? 1 : sleepTime;
    }
    if (m_kept)
        m_kept->clear();
}

ProfileText::Refusal Reader::run()
{
    reset();
    if (m_text.size() > FileLimits::kMaxFileBytes)
        return ProfileText::Refusal::FileTooLarge;
    IniLineSplitter lines(m_text);
    IniLineSplitter::Line line;
    ProfileText::Refusal refusal = ProfileText::Refusal::None;
    while (refusal == ProfileText::Refusal::None && lines.next(line)) {
        if (line.end - line.start > FileLimits::kMaxLineBytes)
            refusal = ProfileText::Refusal::LineTooLong;
        else if (m_text.at(line.start) == '[')
            refusal = readSection(line);
        else if (line.equals == -1)
            m_skippedLines = true;
        else
            refusal = readKey(line);
    }
    if (refusal != ProfileText::Refusal::None) {
        reset();
        return refusal;
    }
    if (m_skippedLines)
        qCWarning(lcStorage) << "skipped lines that are neither a section nor a key";
    if (m_record) {
        // The active stage and lighting mode index tables in every editor
        // and in the device commands.
        m_record->dpi = indexWithin(m_record->dpi, ProfileData::kStages);
        m_record->LedMode = indexWithin(m_record->LedMode, ProfileData::kLedModes);
    }
    return ProfileText::Refusal::None;
}

ProfileText::Refusal Reader::readSection(const IniLineSplitter::Line& line)
{
    const char* begin = m_text.constData() + line.start + 1;
    const void* close = std::memchr(begin, ']', size_t(line.end - line.start - 1));
    const char* nameEnd = close ? static_cast<const char*>(close) : m_text.constData() + line.end;
    if (nameEnd - begin > FileLimits::kMaxNameBytes)
        return ProfileText::Refusal::NameTooLong;
    m_prefix = IniText::sectionPrefix(m_text, line.start, line.end);
    const int slash = m_prefix.indexOf(QLatin1Char('/'));
    m_group = slash < 0 ? QString() : m_prefix.left(slash);
    m_head = slash < 0 ? QString() : m_prefix.mid(slash + 1);
    m_place = m_prefix.isEmpty() ? Place::General : m_group.isEmpty() ? Place::TopLevel : Place::Grouped;
    m_fast = m_place == Place::Grouped && m_head.isEmpty() && m_group == m_section;
    return ProfileText::Refusal::None;
}

ProfileText::Refusal Reader::readKey(const IniLineSplitter::Line& line)
{
    int keyEnd = line.equals;
    while (keyEnd > line.start && (m_text.at(keyEnd - 1) == ' ' || m_text.at(keyEnd - 1) == '\t'))
        --keyEnd;
    if (keyEnd - line.start > FileLimits::kMaxNameBytes)
        return ProfileText::Refusal::NameTooLong;
    if (++m_keyLines > FileLimits::kMaxProfileFileKeys)
        return ProfileText::Refusal::TooManyKeys;
    if (keyEnd == line.start)
        return ProfileText::Refusal::None;
    // A key of our own section as we write it: its bytes are one of the
    // table's. Any other form of a name (escapes, "/" for "\\") and any
    // other key goes the way IniText reads it.
    if (m_fast) {
        const ProfileKeyTable::Entry* entry = m_table.find(
            std::string_view(m_text.constData() + line.start, size_t(keyEnd - line.start)), m_lastFound);
        if (entry)
            m_lastFound = entry;
        if (isKnown(entry)) {
            assign(entry->field, line);
            return ProfileText::Refusal::None;
        }
    }
    readSlowKey(line, keyEnd);
    return ProfileText::Refusal::None;
}

// Any other key: its name decoded as IniText decodes it, then placed by
// its whole "section/key" name.
void Reader::readSlowKey(const IniLineSplitter::Line& line, int keyEnd)
{
    if (!m_kept && !m_record)
        return;
    const QString name = IniText::keyName(m_text, line.start, keyEnd);
    if (m_place == Place::TopLevel) {
        keep(QString(), {m_prefix, name}, line);
        return;
    }
    if (m_place == Place::Grouped) {
        const ProfileKeyTable::Entry* entry = m_group == m_section ? knownEntry(m_head + name) : nullptr;
        if (entry)
            assign(entry->field, line);
        else
            keep(m_group, {m_head, name}, line);
        return;
    }
    const int slash = name.indexOf(QLatin1Char('/'));
    if (slash <= 0) {
        keep(QString(), {QString(), name}, line);
        return;
    }
    const QString group = name.left(slash);
    const QString rest = name.mid(slash + 1);
    const ProfileKeyTable::Entry* entry = group == m_section ? knownEntry(rest) : nullptr;
    if (entry)
        assign(entry->field, line);
    else
        keep(group, {QString(), rest}, line);
}

// The entry of a decoded name: the table's names are ASCII, written with
// "\\" for "/", so a name holding a "\\" of its own is none of them.
const ProfileKeyTable::Entry* Reader::knownEntry(const QString& name) const
{
    if (name.size() > kLongestKnownName)
        return nullptr;
    char written[kLongestKnownName];
    for (int i = 0; i < name.size(); ++i) {
        const ushort ch = name.at(i).unicode();
        if (ch >= 0x80 || ch == '\\')
            return nullptr;
        written[i] = ch == '/' ? '\\' : char(ch);
    }
    const ProfileKeyTable::Entry* entry = m_table.find(std::string_view(written, size_t(name.size())));
    return isKnown(entry) ? entry : nullptr;
}

void Reader::assign(ProfileField field, const IniLineSplitter::Line& line)
{
    if (!m_record)
        return;
    Assign assign;
    assign.missing = field.missingByte();
    const char* begin = m_text.constData() + line.equals + 1;
    const char* end = m_text.constData() + line.end;
    if (!field.storesText() && plainNumber(begin, end, assign.number)) {
        visitField(*m_record, field, assign);
        return;
    }
    const QVariant value = IniText::value(m_text, line.equals + 1, line.end);
    assign.value = &value;
    visitField(*m_record, field, assign);
}

void Reader::keep(const QString& group, const KeptKeys::Name& name, const IniLineSplitter::Line& line)
{
    if (m_kept)
        m_kept->set(group, name, IniText::value(m_text, line.equals + 1, line.end));
}

} // namespace

ProfileText::Refusal ProfileText::read(const QByteArray& text, const QString& section, LightKeys keys,
                                       ProfileData* record, KeptKeys* kept)
{
    return Reader(text, section, keys, record, kept).run();
}

QString ProfileText::refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::FileTooLarge:
        return QCoreApplication::translate("ProfileText", "it is larger than %1 MB.")
            .arg(FileLimits::kMaxFileBytes / (1024 * 1024));
    case Refusal::LineTooLong:
        return QCoreApplication::translate("ProfileText", "a line of it is longer than %1 bytes.")
            .arg(FileLimits::kMaxLineBytes);
    case Refusal::NameTooLong:
        return QCoreApplication::translate("ProfileText",
                                           "a key or section name in it is longer than %1 bytes.")
            .arg(FileLimits::kMaxNameBytes);
    case Refusal::TooManyKeys:
        return QCoreApplication::translate("ProfileText", "it holds more than %1 keys.")
            .arg(FileLimits::kMaxProfileFileKeys);
    }
    return QString();
}
