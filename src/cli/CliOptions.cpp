// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

namespace {

const QStringList kCommands = {QStringLiteral("devices"), QStringLiteral("status"), QStringLiteral("apply"),
                               QStringLiteral("select-profile"), QStringLiteral("show")};

int expectedArguments(const QString& command)
{
    return command == QLatin1String("select-profile") ? 1 : 0;
}

bool takesJson(const QString& command)
{
    return command == QLatin1String("devices") || command == QLatin1String("status") ||
           command == QLatin1String("show");
}

// "-1" is a (wrong) profile number, not an option.
bool isNegativeNumber(const QString& argument)
{
    bool isNumber = false;
    argument.toInt(&isNumber);
    return isNumber && argument.startsWith(QLatin1Char('-'));
}

// The value of "--name value" or "--name=value"; false when the argument is
// not this option. A missing value leaves an error in options.
bool optionValue(const QStringList& arguments, int& i, const QString& name, QString& value,
                 CliOptions& options)
{
    const QString& argument = arguments.at(i);
    if (argument.startsWith(name + QLatin1Char('='))) {
        value = argument.mid(name.size() + 1);
        return true;
    }
    if (argument != name)
        return false;
    if (++i >= arguments.size())
        options.error = QStringLiteral("%1 needs a value").arg(name);
    else
        value = arguments.at(i);
    return true;
}

} // namespace

CliOptions CliOptions::parse(const QStringList& arguments)
{
    CliOptions options;
    for (int i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments.at(i);
        QString value;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument == QLatin1String("--virtual")) {
            options.virtualMouse = true;
        } else if (argument == QLatin1String("--trace")) {
            options.trace = true;
        } else if (argument == QLatin1String("--dump-device")) {
            options.dumpDevice = true;
        } else if (argument == QLatin1String("--verbose")) {
            options.verbose = true;
        } else if (argument == QLatin1String("--json")) {
            options.json = true;
        } else if (optionValue(arguments, i, QStringLiteral("--app-dir"), value, options)) {
            // An unset variable in a script must not make the tool fall back
            // on the program's own folder and its installed configuration.
            if (options.error.isEmpty() && value.isEmpty())
                options.error = QStringLiteral("--app-dir needs a folder, not an empty value");
            options.appDir = value;
        } else if (optionValue(arguments, i, QStringLiteral("--virtual-fault"), value, options)) {
            ScheduledFault fault;
            if (options.error.isEmpty() && !ScheduledFault::parse(value, fault, options.error))
                return options;
            options.faults.append(fault);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1 &&
                   !isNegativeNumber(argument)) {
            options.error = QStringLiteral("unknown option %1").arg(argument);
            return options;
        } else if (options.command.isEmpty()) {
            options.command = argument;
        } else {
            options.arguments.append(argument);
        }
    }
    if (options.help || options.version || !options.error.isEmpty())
        return options;
    if (options.command.isEmpty())
        options.error = QStringLiteral("no command given");
    else if (!kCommands.contains(options.command))
        options.error = QStringLiteral("unknown command %1").arg(options.command);
    else if (options.arguments.size() != expectedArguments(options.command))
        options.error = QStringLiteral("wrong number of arguments for %1").arg(options.command);
    else if (options.json && !takesJson(options.command))
        options.error = QStringLiteral("--json does not apply to %1").arg(options.command);
    else if (options.dumpDevice && !options.virtualMouse)
        options.error = QStringLiteral("--dump-device needs --virtual");
    else if (!options.faults.isEmpty() && !options.virtualMouse)
        options.error = QStringLiteral("--virtual-fault needs --virtual");
    return options;
}

QString CliOptions::usage()
{
    return QStringLiteral(
        "Usage: mousecfgctl [options] <command>\n"
        "\n"
        "Commands:\n"
        "  devices            list the mouse's HID interfaces (identity, kind, path, release)\n"
        "  status             ask the mouse once for battery, DPI stage and report rate\n"
        "  apply              write the stored configuration with its macros to the mouse\n"
        "  select-profile N   make on-board profile N (1 to 5) the active one\n"
        "  show               print the stored configuration\n"
        "\n"
        "Options:\n"
        "  --app-dir DIR      application folder (default: the program's folder)\n"
        "  --virtual          use a virtual mouse instead of the HID devices\n"
        "  --trace            print every report: W written (33 bytes), R read (32 bytes)\n"
        "  --dump-device      with --virtual: print the mouse's on-board state as JSON afterwards\n"
        "  --json             JSON output for devices, status and show\n"
        "  --virtual-fault F  with --virtual: make the mouse misbehave at a report; reports are\n"
        "                     counted from 1 in the order the tool writes them, and F is one of\n"
        "                       write-error@N[:count]   write N (and count - 1 more) fail\n"
        "                       timeout@N[:count]       the next count reads after write N time out\n"
        "                       zero-replies@N[:count]  the next count replies after write N are zeros\n"
        "                       bad-echo@N[:byte]       the echo of write N has a byte (0-31, default 31)\n"
        "                                               changed\n"
        "                       unplug@N                the mouse is unplugged right after write N\n"
        "                     the option may be given more than once\n"
        "  --verbose          print the debug log (every transfer and status poll) to standard error\n"
        "  --help, -h         this text\n"
        "  --version          the version and the USB ids the tool is built for\n"
        "\n"
        "Exit status:\n"
        "  0   success\n"
        "  1   no mouse (the transfer result \"no device\")\n"
        "  2   the mouse did not confirm a report (\"verify failed\")\n"
        "  4   a write to the mouse failed\n"
        "  64  bad arguments\n"
        "  65  a profile slot's file cannot be read; nothing was sent\n"
        "  66  the configuration or the application folder cannot be read\n"
        "  73  a file could not be saved (the mouse may have been written)\n"
        "  77  the mouse is plugged in but its device node may not be opened (udev rule missing)\n");
}
