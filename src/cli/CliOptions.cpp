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

} // namespace

CliOptions CliOptions::parse(const QStringList& arguments)
{
    CliOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
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
        } else if (argument == QLatin1String("--app-dir")) {
            if (++i >= arguments.size()) {
                options.error = QStringLiteral("--app-dir needs a folder");
                return options;
            }
            options.appDir = arguments.at(i);
        } else if (argument.startsWith(QLatin1String("--app-dir="))) {
            options.appDir = argument.mid(int(qstrlen("--app-dir=")));
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            options.error = QStringLiteral("unknown option %1").arg(argument);
            return options;
        } else if (options.command.isEmpty()) {
            options.command = argument;
        } else {
            options.arguments.append(argument);
        }
    }
    if (options.help)
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
        "  --verbose          print the debug log (every transfer and status poll) to standard error\n"
        "  --help             this text\n"
        "\n"
        "Exit status: 0 success; 1 no mouse; 2 the mouse did not confirm a report; 4 a write failed;\n"
        "64 bad arguments; 66 unreadable configuration;\n"
        "77 the mouse is plugged in but its device node may not be opened (udev rule missing).\n");
}
