// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdServer.h"
#include "OsdWindow.h"
#include "platform/EarlyCommandLine.h"
#include "platform/OnScreenDisplay.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

// The on-screen-display companion: started by the utility when it has a
// text to show and no companion answers; ends after a long quiet spell and
// is started again when needed.
int main(int argc, char** argv)
{
    const int answered = answerHelpOrVersion(argc, argv, [](QCommandLineParser& parser) {
        parser.setApplicationDescription(
            QStringLiteral("Shows the mouse utility's status texts on the desktop."));
    });
    if (answered >= 0)
        return answered;
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    OsdWindow window;
    OsdServer server(window, onScreenDisplayServerName());
    if (!server.listen())
        return server.isRefused() ? 1 : 0;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(30 * 60 * 1000);
    QObject::connect(&idle, &QTimer::timeout, &app, &QCoreApplication::quit);
    QObject::connect(&server, &OsdServer::messageShown, &idle, [&idle] { idle.start(); });
    idle.start();
    return app.exec();
}
