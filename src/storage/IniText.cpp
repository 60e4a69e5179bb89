// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/IniText.h"
#include "storage/IniSyntax.h"

#include "storage/FileLimits.h"
#include "storage/IniLineSplitter.h"
#include "storage/IniValue.h"
#include "storage/StorageLog.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

using Line = IniLineSplitter::Line;

bool isLineEnd(char ch)
{
    return ch == '\n' || ch == '\r';
}

// Text bytes as written by either Qt version: UTF-8 where they are valid
// UTF-8, otherwise Latin-1, as older files may hold.
QString decodeBytes(const char* data, int size)
{
    const QString utf8 = QString::fromUtf8(data, size);
    return utf8.toUtf8() == QByteArray::fromRawData(data, size) ? utf8 : QString::fromLatin1(data, size);
}

int hexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// "%XX" and "%UXXXX" escapes, and "\" for "/".
QString unescapeKey(const QByteArray& text, int from, int to)
{
    QString key;
    int i = from;
    while (i < to) {
        const char ch = text.at(i);
        if (ch == '\\') {
            key += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch == '%' && i < to - 1) {
            const int first = text.at(i + 1) == 'U' ? i + 2 : i + 1;
            const int digits = text.at(i + 1) == 'U' ? 4 : 2;
            bool ok = first + digits <= to;
            int code = 0;
            for (int d = 0; ok && d < digits; ++d) {
                const int digit = hexDigit(text.at(first + d));
                ok = digit >= 0;
                code = code * 16 + digit;
            }
            if (ok) {
                key += QChar(code);
                i = first + digits;
                continue;
            }
            key += QLatin1Char('%');
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < to && text.at(j) != '\\' && text.at(j) != '%')
            ++j;
        key += decodeBytes(text.constData() + i, j - i);
        i = j;
    }
    return key;
}

char simpleEscape(char ch)
{
    switch (ch) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return ch;
    default:
        return 0;
    }
}

void chopTrailingBlanks(QString& text, int limit)
{
    int n = text.size();
    while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t')))
        --n;
    text.truncate(n);
}

// One value: backslash escapes ("\n", "\x4e2d", "\101"), quoted parts and,
// outside quotes, commas between list elements. Blanks around unquoted
// elements are dropped.
class ValueReader
{
public:
    ValueReader(const QByteArray& text, int from, int to) : m_text(text), m_i(from), m_to(to) {}

    // The elements; more than one when the value is a list.
    QStringList read()
    {
        skipBlanks();
        while (m_i < m_to) {
            const char ch = m_text.at(m_i);
            if (ch == '\\')
                readEscape();
            else if (ch == '"')
                toggleQuotes();
            else if (ch == ',' && !m_inQuotes)
                endElement();
            else
                readPlain();
        }
        // As QSettings does, a value that ends inside an escape keeps its
        // trailing blanks.
        if (!m_quoted && !m_endedInEscape)
            chopTrailingBlanks(m_current, m_chopLimit);
        m_elements.append(m_current);
        return m_elements;
    }

private:
    void skipBlanks()
    {
        while (m_i < m_to && (m_text.at(m_i) == ' ' || m_text.at(m_i) == '\t'))
            ++m_i;
        m_chopLimit = m_current.size();
    }

    void readPlain()
    {
        int j = m_i + 1;
        while (j < m_to && m_text.at(j) != '\\' && m_text.at(j) != '"' && m_text.at(j) != ',')
            ++j;
        m_current += decodeBytes(m_text.constData() + m_i, j - m_i);
        m_i = j;
    }

    void toggleQuotes()
    {
        ++m_i;
        m_quoted = true;
        m_inQuotes = !m_inQuotes;
        if (!m_inQuotes)
            skipBlanks();
    }

    void endElement()
    {
        if (!m_quoted)
            chopTrailingBlanks(m_current, m_chopLimit);
        m_elements.append(m_current);
        m_current.clear();
        m_quoted = false;
        ++m_i;
        skipBlanks();
    }

    void readEscape()
    {
        if (++m_i >= m_to) {
            m_endedInEscape = true;
            return;
        }
        const char ch = m_text.at(m_i++);
        if (const char simple = simpleEscape(ch)) {
            m_current += QLatin1Char(simple);
        } else if (ch == 'x') {
            m_endedInEscape = m_i >= m_to;
            if (m_i < m_to && hexDigit(m_text.at(m_i)) >= 0)
                m_current += QChar(readNumber(16));
        } else if (ch >= '0' && ch <= '7') {
            --m_i;
            m_current += QChar(readNumber(8));
        } else if (isLineEnd(ch) && m_i < m_to && isLineEnd(m_text.at(m_i)) && m_text.at(m_i) != ch) {
            ++m_i;
        }
        m_chopLimit = m_current.size();
    }

    // The digits of a numeric escape, as many as follow; only the low 16
    // bits count, as one UTF-16 unit is what an escape stands for.
    ushort readNumber(int base)
    {
        uint code = 0;
        while (m_i < m_to) {
            const int digit = hexDigit(m_text.at(m_i));
            if (digit < 0 || digit >= base)
                break;
            code = (code * uint(base) + uint(digit)) & 0xFFFFFF;
            ++m_i;
        }
        return ushort(code);
    }

    const QByteArray& m_text;
    int m_i;
    const int m_to;
    QString m_current;
    QStringList m_elements;
    int m_chopLimit = 0;
    bool m_inQuotes = false;
    bool m_quoted = false;
    bool m_endedInEscape = false;
};

QString sectionOf(const QByteArray& text, const Line& line, bool& ok)
{
    // Within the line: a search of the whole text for each unclosed "["
    // would take time growing with the square of the file.
    const char* begin = text.constData();
    int close = int(std::find(begin + line.start, begin + line.end, ']') - begin);
    if (close >= line.end) {
        ok = false;
        close = line.end;
    }
    const QByteArray name = text.mid(line.start + 1, close - line.start - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.mid(1)) + QLatin1Char('/');
    return unescapeKey(name, 0, name.size()) + QLatin1Char('/');
}

void readKey(const QByteArray& text, const Line& line, const QString& section,
             QSettings::SettingsMap& settings)
{
    int keyEnd = line.equals;
    while (keyEnd > line.start && (text.at(keyEnd - 1) == ' ' || text.at(keyEnd - 1) == '\t'))
        --keyEnd;
    const QString name = unescapeKey(text, line.start, keyEnd);
    if (name.isEmpty())
        return;
    const QString key = section + name;
    const QStringList elements = ValueReader(text, line.equals + 1, line.end).read();
    const QVariant value =
        elements.size() > 1 ? IniValue::decodeList(elements) : IniValue::decode(elements.first());
    // A value we do not accept reads as missing, also over an earlier line.
    if (value.isValid())
        settings.insert(key, value);
    else
        settings.remove(key);
}

} // namespace

namespace IniText {

bool parse(const QByteArray& text, QSettings::SettingsMap& settings, QString* refusal)
{
    using namespace FileLimits;
    const auto refuse = [&](const char* why) {
        settings.clear();
        if (refusal)
            *refusal = QCoreApplication::translate("IniText", why);
        qCWarning(lcStorage) << why;
        return false;
    };
    if (text.size() > kMaxFileBytes)
        return refuse("The file is larger than any file of the program.");
    bool ok = true;
    QString section;
    IniLineSplitter lines(text);
    Line line;
    while (lines.next(line)) {
        if (line.end - line.start > kMaxLineBytes)
            return refuse("The file holds a line longer than any of the program's.");
        if (text.at(line.start) == '[') {
            if (line.end - line.start > kMaxSectionBytes + 2)
                return refuse("The file holds a section name longer than any of the program's.");
            section = sectionOf(text, line, ok);
        } else if (line.equals == -1) {
            ok = false;
        } else if (line.equals - line.start > kMaxNameBytes) {
            return refuse("The file holds a key longer than any of the program's.");
        } else {
            readKey(text, line, section, settings);
            if (settings.size() > kMaxIniFileKeys)
                return refuse("The file holds more keys than any file of the program.");
        }
    }
    if (!ok)
        qCWarning(lcStorage) << "skipped lines that are neither a section nor a key";
    return ok;
}

} // namespace IniText

namespace IniText {

QString sectionPrefix(const QByteArray& text, int from, int to)
{
    // Only the line itself is searched for its "]".
    const QByteArray line = QByteArray::fromRawData(text.constData() + from, to - from);
    Line bounds;
    bounds.end = line.size();
    bool ok = true;
    return sectionOf(line, bounds, ok);
}

QString keyName(const QByteArray& text, int from, int to)
{
    return unescapeKey(text, from, to);
}

QVariant value(const QByteArray& text, int from, int to)
{
    const QStringList elements = ValueReader(text, from, to).read();
    return elements.size() > 1 ? IniValue::decodeList(elements) : IniValue::decode(elements.first());
}

} // namespace IniText
