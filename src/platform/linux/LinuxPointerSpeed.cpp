// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PointerSpeed.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcPointerSpeed, "mousecfg.pointerspeed")

namespace {

// Desktops that follow the GNOME settings schema keep the pointer speed as a
// number from -1 to 1, 0 being the default. Other desktops expose no speed
// that a program may set; there the profile's value is kept and not applied.
class LinuxPointerSpeed : public PointerSpeed
{
public:
    std::optional<int> readPointerSpeed() override
    {
        QString output;
        if (!runSettingsTool({QStringLiteral("get"), schema(), key()}, &output))
            return std::nullopt;
        bool ok = false;
        const double desktop = output.trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        const int speed = static_cast<int>(std::lround(desktop * 10.0 + kDefault));
        return std::clamp(speed, kMinimum, kMaximum);
    }

    bool applyPointerSpeed(int speed) override
    {
        const double desktop = (std::clamp(speed, kMinimum, kMaximum) - kDefault) / 10.0;
        if (!runSettingsTool({QStringLiteral("set"), schema(), key(), QString::number(desktop)}, nullptr)) {
            qCDebug(lcPointerSpeed) << "pointer speed" << speed
                                    << "not applied: not supported on this desktop";
            return false;
        }
        return true;
    }

private:
    static QString schema() { return QStringLiteral("org.gnome.desktop.peripherals.mouse"); }
    static QString key() { return QStringLiteral("speed"); }

    static bool runSettingsTool(const QStringList& arguments, QString* output)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
        if (tool.isEmpty())
            return false;
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(1000);
            return false;
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return false;
        if (output)
            *output = QString::fromUtf8(process.readAllStandardOutput());
        return true;
    }
};

} // namespace

std::unique_ptr<PointerSpeed> createPointerSpeed()
{
    return std::make_unique<LinuxPointerSpeed>();
}
