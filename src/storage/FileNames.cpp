// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileNames.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Longest name in UTF-8 bytes, leaving room for the longest extension
// (".MSMACRO") within the 255 bytes that file systems allow.
constexpr int kMaxNameBytes = 240;

const QString kForbidden = QStringLiteral("<>:\"|?*/\\");

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
}

bool hasControl(const QString& name)
{
    for (QChar c : name) {
        if (isControl(c))
            return true;
    }
    return false;
}

// Format characters are invisible: a right-to-left override, say, shows a
// name other than the one the file has.
bool hasFormatCharacter(const QString& name)
{
    for (QChar c : name) {
        if (c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

bool hasForbidden(const QString& name)
{
    for (QChar c : name) {
        if (kForbidden.contains(c))
            return true;
    }
    return false;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices on Windows, also with an
// extension after them.
bool isReservedDeviceName(const QString& name)
{
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name.trimmed()).hasMatch();
}

bool isDotComponent(const QString& name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}

bool endsBadly(const QString& name)
{
    return name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '));
}

} // namespace

QString FileNames::nameError(const QString& name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("FileNames", "The name is empty.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QCoreApplication::translate("FileNames", "The name \"%1\" must not contain / or \\.")
            .arg(name);
    // With separators refused, "." and ".." can only be whole path
    // components; a name that merely contains two dots ("v1..2") is fine.
    if (isDotComponent(name))
        return QCoreApplication::translate("FileNames", "The name \"%1\" must not be \".\" or \"..\".")
            .arg(name);
    if (hasControl(name))
        return QCoreApplication::translate("FileNames", "The name must not contain control characters.");
    if (hasFormatCharacter(name))
        return QCoreApplication::translate("FileNames", "The name must not contain invisible characters.");
    if (hasForbidden(name))
        return QCoreApplication::translate("FileNames",
                                           "The name \"%1\" must not contain any of < > : \" | ? *")
            .arg(name);
    if (endsBadly(name))
        return QCoreApplication::translate("FileNames", "The name \"%1\" must not end with a dot or a blank.")
            .arg(name);
    if (isReservedDeviceName(name))
        return QCoreApplication::translate("FileNames", "The name \"%1\" is reserved by the system.")
            .arg(name);
    if (name.toUtf8().size() > kMaxNameBytes)
        return QCoreApplication::translate("FileNames", "The name is too long.");
    return QString();
}

QString FileNames::neutralised(const QString& name)
{
    QString safe;
    for (QChar c : name)
        safe.append(isControl(c) || c.category() == QChar::Other_Format || kForbidden.contains(c)
                        ? QLatin1Char('_')
                        : c);
    if (isDotComponent(safe))
        safe.replace(QLatin1Char('.'), QLatin1Char('_'));
    while (safe.toUtf8().size() > kMaxNameBytes)
        safe.chop(1);
    if (safe.isEmpty() || endsBadly(safe))
        safe.append(QLatin1Char('_'));
    if (isReservedDeviceName(safe))
        safe.prepend(QLatin1Char('_'));
    return safe;
}
