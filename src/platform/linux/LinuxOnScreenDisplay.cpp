#include "platform/LocalOsdClient.h"
#include "platform/OnScreenDisplay.h"

#include <QCoreApplication>
#include <QProcess>
#include <QString>

#include <unistd.h>

QString onScreenDisplayServerName()
{
    // One companion per user: the socket lies in the shared temporary folder.
    return QStringLiteral("mousecfg-osd-%1").arg(getuid());
}

// The companion is a program of ours, installed beside the utility's
// executable (which the data folder need not be).
std::unique_ptr<OnScreenDisplay> createOnScreenDisplay(const QString&)
{
    const QString companion = QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg-osd");
    return std::make_unique<LocalOsdClient>(onScreenDisplayServerName(),
                                            [companion] { return QProcess::startDetached(companion, {}); });
}
