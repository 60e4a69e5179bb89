// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// The utility's command line.
struct StartupOptions
{
    QString appDir;
    bool virtualMouse = false;
    bool verbose = false;

    // Adds the utility's own options and description to a parser.
    static void declare(QCommandLineParser& parser);
    // The whole command line, read once the application object has taken the
    // GUI library's options; a wrong option ends the program with a message,
    // --help and --version with their text.
    static StartupOptions parse(const QStringList& arguments);
};
