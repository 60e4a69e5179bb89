// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalOsdClient.h"
#include "platform/OnScreenDisplay.h"
#include "platform/PlatformLog.h"
#include "platform/PrivateRuntimeDir.h"

#include <QCoreApplication>
#include <QProcess>
#include <QString>

namespace {

// Where no private folder can be had there is no display: texts are dropped.
class NoOnScreenDisplay : public OnScreenDisplay
{
public:
    void showText(const QString&, const QColor&) override {}
};

} // namespace

QString onScreenDisplayServerName()
{
    // One companion per user, its socket in a folder only that user may
    // enter: in the shared temporary folder anyone could take the name first.
    const PrivateRuntimeDir dir = PrivateRuntimeDir::forThisUser();
    if (!dir.isUsable()) {
        qCWarning(lcPlatform, "on-screen display unavailable: %s", qPrintable(dir.error));
        return QString();
    }
    return dir.path + QStringLiteral("/mousecfg-osd");
}

// The companion is a program of ours, installed beside the utility's
// executable (which the data folder need not be).
std::unique_ptr<OnScreenDisplay> createOnScreenDisplay(const QString&)
{
    const QString name = onScreenDisplayServerName();
    if (name.isEmpty())
        return std::make_unique<NoOnScreenDisplay>();
    const QString companion = QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg-osd");
    return std::make_unique<LocalOsdClient>(name,
                                            [companion] { return QProcess::startDetached(companion, {}); });
}
