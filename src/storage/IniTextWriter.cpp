// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/IniSyntax.h"
#include "storage/IniText.h"

#include "storage/IniValue.h"
#include "storage/StorageLog.h"

#include <QStringList>

// The writing half of the INI text: key and value escapes, then the text.
namespace {

// "%XX" for what is not a letter, digit, "_", "-" or ".", "%UXXXX" beyond
// Latin-1, "\" for "/".
QByteArray escapeKey(const QString& key)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray escaped;
    for (const QChar qch : key) {
        const ushort ch = qch.unicode();
        if (ch == '/') {
            escaped += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
                   ch == '_' || ch == '-' || ch == '.') {
            escaped += char(ch);
        } else if (ch <= 0xFF) {
            escaped += '%';
            escaped += hex[ch / 16];
            escaped += hex[ch % 16];
        } else {
            escaped += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                escaped += hex[(ch >> shift) & 0xF];
        }
    }
    return escaped;
}

bool isHexDigit(ushort ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// Control characters and everything beyond ASCII as "\x" escapes, which
// both Qt versions read; quotes when the value holds a separator or starts
// or ends with a blank.
void escapeValue(const QString& value, QByteArray& out)
{
    const int start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (const QChar qch : value) {
        const ushort ch = qch.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfHex && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHex = false;
        if (ch == 0) {
            out += "\\0";
            escapeNextIfHex = true;
        } else if (ch == '"' || ch == '\\') {
            out += '\\';
            out += char(ch);
        } else if (ch == '\a' || ch == '\b' || ch == '\f' || ch == '\n' || ch == '\r' || ch == '\t' ||
                   ch == '\v') {
            static const char letters[] = "abtnvfr";
            out += '\\';
            out += letters[ch - '\a'];
        } else if (ch <= 0x1F || ch >= 0x7F) {
            out += "\\x" + QByteArray::number(ch, 16);
            escapeNextIfHex = true;
        } else {
            out += char(ch);
        }
    }
    if (needsQuotes || (out.size() > start && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

bool appendValue(const QVariant& value, QByteArray& out)
{
    if (value.userType() == QMetaType::QStringList) {
        const QStringList list = value.toStringList();
        if (list.isEmpty()) {
            out += "@Invalid()";
            return true;
        }
        for (int i = 0; i < list.size(); ++i) {
            QString stored;
            IniValue::encode(list.at(i), stored);
            if (i > 0)
                out += ", ";
            escapeValue(stored, out);
        }
        return true;
    }
    QString stored;
    if (!IniValue::encode(value, stored))
        return false;
    escapeValue(stored, out);
    return true;
}

#ifdef Q_OS_WIN
const char kLineEnd[] = "\r\n";
#else
const char kLineEnd[] = "\n";
#endif

} // namespace

namespace IniText {

QByteArray serialise(const QSettings::SettingsMap& settings)
{
    // Keys below the top level go to the section named by their first part.
    QMap<QString, QSettings::SettingsMap> sections;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        sections[section].insert(it.key().mid(slash + 1), it.value());
    }
    QByteArray text;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!text.isEmpty())
            text += kLineEnd;
        if (section.key().isEmpty())
            text += QByteArray("[General]") + kLineEnd;
        else if (section.key().compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
            text += "[%" + section.key().toLatin1() + "]" + kLineEnd;
        else
            text += "[" + escapeKey(section.key()) + "]" + kLineEnd;
        for (auto key = section->cbegin(); key != section->cend(); ++key) {
            QByteArray line = escapeKey(key.key()) + '=';
            if (appendValue(key.value(), line))
                text += line + kLineEnd;
            else
                qCWarning(lcStorage) << "not written, a type the files do not hold:" << key.key();
        }
    }
    return text;
}

} // namespace IniText

namespace IniText {

QByteArray escapedKey(const QString& key)
{
    return escapeKey(key);
}

bool appendValue(const QVariant& value, QByteArray& out)
{
    return ::appendValue(value, out);
}

} // namespace IniText
