// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QCommandLineParser;

// Answers --help and --version before a program opens a display, so that
// they work over ssh, in a container or in an install check. The parser is
// set up by addOptions (besides --help and --version) under a core
// application that exists only for this call. Returns the exit status when
// the command line asked for one of the two (the text went to standard
// output), or -1 when the program goes on; other options, wrong ones
// included, are left to the program's own parse.
int answerHelpOrVersion(int argc, char** argv, const std::function<void(QCommandLineParser&)>& addOptions);

// "<program> <version>" and the USB ids the build is for.
QString versionText(const QString& program);
