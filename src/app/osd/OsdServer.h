#pragma once

#include <QObject>
#include <QString>

class OsdWindow;
class QLocalServer;
class QLocalSocket;

// Takes the utility's messages on the local socket and shows each on the
// window. Only one companion serves a socket name.
class OsdServer : public QObject
{
    Q_OBJECT
public:
    OsdServer(OsdWindow& window, const QString& name, QObject* parent = nullptr);

    // False when another companion answers on the name already, or the
    // socket cannot be made.
    bool listen();

Q_SIGNALS:
    void messageShown(const QString& text);

private:
    void accept();
    void read(QLocalSocket* socket);

    OsdWindow& m_window;
    QString m_name;
    QLocalServer* m_server = nullptr;
};
