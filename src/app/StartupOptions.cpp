// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupOptions.h"

#include <QCommandLineParser>

void StartupOptions::declare(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Configures the wireless mouse."));
    parser.addOption({QStringLiteral("app-dir"), QStringLiteral("Use DIR as the application directory."),
                      QStringLiteral("DIR")});
    parser.addOption(
        {QStringLiteral("virtual"), QStringLiteral("Run on the virtual mouse instead of the real one.")});
    parser.addOption(
        {QStringLiteral("verbose"), QStringLiteral("Print the debug log (every transfer and status poll).")});
}

StartupOptions StartupOptions::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    declare(parser);
    parser.process(arguments);
    StartupOptions options;
    options.appDir = parser.value(QStringLiteral("app-dir"));
    options.virtualMouse = parser.isSet(QStringLiteral("virtual"));
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    return options;
}
