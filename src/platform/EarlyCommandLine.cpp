// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EarlyCommandLine.h"

#include "BuildVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

void print(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

QString versionText(const QString& program)
{
    return QStringLiteral("%1 %2\nfor the USB ids %3\n")
        .arg(program, QStringLiteral(MOUSECFG_VERSION), QStringLiteral(MOUSECFG_USB_IDS_TEXT));
}

int answerHelpOrVersion(int argc, char** argv, const std::function<void(QCommandLineParser&)>& addOptions)
{
    int count = argc;
    const QCoreApplication app(count, argv);
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addOptions(parser);
    // Options of the GUI library (-platform, -style) are unknown here; the
    // program's own parse, after the application object took them, judges.
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.optionNames().contains(QStringLiteral("help-all"))) {
        print(parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(versionText(QCoreApplication::applicationName()));
        return 0;
    }
    return -1;
}
