// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/OnScreenDisplay.h"

#include <QByteArray>
#include <QObject>
#include <functional>

class QLocalSocket;
class QTimer;

// An on-screen display reached over a local socket. When the companion does
// not answer, it is started and asked again after a pause, up to kMaxStarts
// times, all from the event loop: the caller never waits. Only the latest
// text is kept while the companion is being reached; it is dropped after the
// last start has failed.
class LocalOsdClient : public QObject, public OnScreenDisplay
{
    Q_OBJECT
public:
    static constexpr int kMaxStarts = 5;
    static constexpr int kRetryMs = 500;

    // startCompanion starts the companion program; false when it cannot.
    LocalOsdClient(const QString& serverName, std::function<bool()> startCompanion, int retryMs = kRetryMs,
                   QObject* parent = nullptr);
    ~LocalOsdClient() override;

    void showText(const QString& text, const QColor& color) override;

    // Starts made since the companion last answered.
    int startsMade() const { return m_starts; }
    // A text is waiting for the companion.
    bool isWaiting() const { return !m_pending.isEmpty(); }

Q_SIGNALS:
    // A record reached the companion's socket.
    void delivered();
    // The latest text was given up after the last start, or because the
    // socket is served by another user.
    void dropped();

private:
    void connectNow();
    void connected();
    void failed();
    void send();

    QString m_serverName;
    std::function<bool()> m_startCompanion;
    QLocalSocket* m_socket = nullptr;
    QTimer* m_retry = nullptr;
    QByteArray m_pending;
    bool m_connecting = false;
    int m_starts = 0;
};
