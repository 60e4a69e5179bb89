// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealStack.h"

#include "support/TempAppDir.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace RealStack {

QStringList Run::traced(const char* direction) const
{
    QStringList lines;
    const QByteArray prefix = QByteArray(direction) + ' ';
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith(prefix))
            lines.append(QString::fromLatin1(line.trimmed()));
    }
    return lines;
}

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.exitCode = -3;
    } else {
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

Run tool(const QString& appDir, const QStringList& arguments)
{
    return run(TempAppDir::executable(QStringLiteral("mousecfgctl")),
               QStringList{QStringLiteral("--app-dir"), appDir} + arguments);
}

Run gadget(const QStringList& words)
{
    return run(TempAppDir::executable(QStringLiteral("mousecfg-gadget")),
               QStringList{QStringLiteral("ctl")} + words);
}

bool control(const QStringList& words)
{
    const Run result = gadget(words);
    if (result.exitCode != 0)
        qWarning("gadget %s: %s", qPrintable(words.join(QLatin1Char(' '))), result.err.constData());
    return result.exitCode == 0;
}

QString vendorNode(quint16 vendorId, quint16 productId)
{
    // As the kernel writes it: bus, vendor and product in upper-case hex.
    const QByteArray id = "HID_ID=0003:" + QByteArray::number(vendorId, 16).rightJustified(8, '0').toUpper() +
                          ':' + QByteArray::number(productId, 16).rightJustified(8, '0').toUpper();
    const QDir hidraw(QStringLiteral("/sys/class/hidraw"));
    for (const QString& node : hidraw.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        QFile uevent(hidraw.filePath(node) + QStringLiteral("/device/uevent"));
        QFile descriptor(hidraw.filePath(node) + QStringLiteral("/device/report_descriptor"));
        if (!uevent.open(QIODevice::ReadOnly) || !descriptor.open(QIODevice::ReadOnly))
            continue;
        // A vendor page 0xFF00 collection starts with its usage page item.
        if (uevent.readAll().contains(id) && descriptor.readAll().startsWith(QByteArray::fromHex("0600ff")))
            return QStringLiteral("/dev/") + node;
    }
    return QString();
}

} // namespace RealStack
