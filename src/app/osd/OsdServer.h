// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class OsdWindow;
class QLocalServer;
class QLocalSocket;

// Takes the utility's messages on the local socket and shows each on the
// window. Only one companion serves a socket name, and it serves its own
// user only: connections of other users are dropped unread.
class OsdServer : public QObject
{
    Q_OBJECT
public:
    OsdServer(OsdWindow& window, const QString& name, QObject* parent = nullptr);

    // False when another companion answers on the name already, or the
    // socket cannot be made (then isRefused()).
    bool listen();
    // listen() failed for another reason than a companion of this user
    // answering: no name (no private folder), a name served by another
    // user, or a socket that could not be made.
    bool isRefused() const { return m_refused; }

Q_SIGNALS:
    void messageShown(const QString& text);

private:
    void accept();
    void read(QLocalSocket* socket);

    OsdWindow& m_window;
    QString m_name;
    QLocalServer* m_server = nullptr;
    bool m_refused = false;
};
