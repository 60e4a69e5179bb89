// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

struct LineSplitterBytes
{
    bool bytes[256] = {};
    constexpr LineSplitterBytes()
    {
        for (const char ch : {'=', '\n', '\r', '\\', '"', ';'})
            bytes[static_cast<unsigned char>(ch)] = true;
    }
};
inline constexpr LineSplitterBytes kLineSplitterSpecial{};

// The lines of an INI text, as IniText's reader and the profile reader both
// walk them: lines that end in a backslash or lie inside quotes are joined,
// blank lines and ";" comments are skipped, and a ";" outside quotes ends a
// line. One pass over the bytes, one table look-up for most of them.
class IniLineSplitter
{
public:
    // Where a line starts and ends (the line end not included) and where its
    // first "=" outside quotes is (-1: none).
    struct Line
    {
        int start = 0;
        int end = 0;
        int equals = -1;
    };

    explicit IniLineSplitter(const QByteArray& text)
        : m_data(text.constData()), m_size(text.size()), m_pos(text.startsWith("\xEF\xBB\xBF") ? 3 : 0)
    {
    }

    // The next line; false at the end of the text.
    bool next(Line& line)
    {
        int i = m_pos;
        while (i < m_size && isSpace(m_data[i]))
            ++i;
        line = Line();
        line.start = i;
        bool inQuotes = false;
        while (i < m_size) {
            const char ch = m_data[i++];
            if (!isSpecial(ch))
                continue;
            if (ch == '=') {
                if (!inQuotes && line.equals == -1)
                    line.equals = i - 1;
            } else if (isLineEnd(ch)) {
                if (i == line.start + 1) {
                    ++line.start;
                } else if (!inQuotes) {
                    --i;
                    break;
                }
            } else if (ch == '\\') {
                if (i < m_size) {
                    const char escaped = m_data[i++];
                    if (i < m_size && isLineEnd(escaped) && isLineEnd(m_data[i]) && escaped != m_data[i])
                        ++i;
                }
            } else if (ch == '"') {
                inQuotes = !inQuotes;
            } else if (ch == ';') {
                if (i == line.start + 1) {
                    skipComment(i);
                    line.start = i;
                } else if (!inQuotes) {
                    --i;
                    break;
                }
            }
        }
        m_pos = i;
        line.end = i;
        return line.end > line.start;
    }

private:
    static bool isSpace(char ch)
    {
        return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v';
    }
    static bool isLineEnd(char ch) { return ch == '\n' || ch == '\r'; }
    // One test per byte for the bytes that need none of the cases below.
    static bool isSpecial(char ch) { return kLineSplitterSpecial.bytes[uchar(ch)]; }

    void skipComment(int& i) const
    {
        while (i < m_size && !isLineEnd(m_data[i]))
            ++i;
        while (i < m_size && isSpace(m_data[i]))
            ++i;
    }

    const char* m_data;
    int m_size;
    int m_pos;
};
