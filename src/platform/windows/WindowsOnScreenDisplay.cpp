// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OnScreenDisplay.h"
#include "platform/OsdRecord.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QObject>
#include <QProcess>
#include <QTimer>

#include <windows.h>

Q_LOGGING_CATEGORY(lcOsdWindows, "mousecfg.osd")

namespace {

const wchar_t kCompanionTitle[] = L"QRVT Wireless Mouse OSD";
constexpr int kMaxStarts = 5;
constexpr int kRetryMs = 500;

// The companion program is found by its window title and handed each record
// with the data-copy message. When it is not running it is started, and
// looked for again after a pause from a timer: the window never waits for it.
// Only the latest text is kept meanwhile; it is dropped after the fifth start.
class WindowsOnScreenDisplay : public OnScreenDisplay
{
public:
    explicit WindowsOnScreenDisplay(const QString& appDir) : m_program(appDir + QStringLiteral("/OSD.exe"))
    {
        m_retry.setSingleShot(true);
        m_retry.setInterval(kRetryMs);
        QObject::connect(&m_retry, &QTimer::timeout, [this] { lookAgain(); });
    }

    void showText(const QString& text, const QColor& color) override
    {
        m_pending = OsdRecord::build(text, color);
        if (m_retry.isActive())
            return;
        m_starts = 0;
        lookAgain();
    }

private:
    static HWND companion()
    {
        HWND window = FindWindowW(nullptr, kCompanionTitle);
        return window && IsWindow(window) ? window : nullptr;
    }

    void lookAgain()
    {
        if (HWND window = companion()) {
            deliver(window);
            return;
        }
        if (m_starts >= kMaxStarts) {
            m_pending.clear();
            return;
        }
        ++m_starts;
        if (!QProcess::startDetached(m_program, {}))
            qCDebug(lcOsdWindows).noquote() << "cannot start" << m_program;
        m_retry.start();
    }

    void deliver(HWND window)
    {
        COPYDATASTRUCT data;
        data.dwData = 0;
        data.cbData = DWORD(m_pending.size());
        data.lpData = m_pending.data();
        if (SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == 0)
            qCDebug(lcOsdWindows) << "SendMessage failed";
        m_pending.clear();
    }

    QString m_program;
    QTimer m_retry;
    QByteArray m_pending;
    int m_starts = 0;
};

} // namespace

QString onScreenDisplayServerName()
{
    return QStringLiteral("mousecfg-osd");
}

std::unique_ptr<OnScreenDisplay> createOnScreenDisplay(const QString& appDir)
{
    return std::make_unique<WindowsOnScreenDisplay>(appDir);
}
