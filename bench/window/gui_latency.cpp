// SPDX-License-Identifier: GPL-3.0-or-later
// How responsive the main window stays: a scripted session on the virtual
// mouse in real time (100 status reports with profile, DPI and rate changes,
// slot changes, tab switches, a receiver unplug and replug, a language
// switch) while a probe measures how late the event loop runs. Also the time
// from a status report to the header showing it, and from a slot change to
// the pages showing the slot.

#include "app/LatencyProbe.h"
#include "device/DeviceSession.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"
#include "widgets/OakBatteryBar.h"
#include "widgets/OakPushButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <functional>

namespace {

constexpr int kReports = 100;
constexpr int kStepMs = 15;
constexpr int kRates[] = {1, 2, 4, 8};

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

QString eventName(QEvent::Type type)
{
    switch (type) {
    case QEvent::Timer:
        return QStringLiteral("timer");
    case QEvent::MetaCall:
        return QStringLiteral("queued call");
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return QStringLiteral("click");
    case QEvent::Paint:
        return QStringLiteral("paint");
    default:
        return QStringLiteral("event %1").arg(int(type));
    }
}

// An event the event loop took more than a frame to deliver: what it was
// and to whom. Only the outermost delivery counts (a dialog's own loop runs
// inside one).
struct Stall
{
    double ms;
    QString what;
};

QString describe(const QObject* receiver, const QEvent* event)
{
    QString name = receiver ? QLatin1String(receiver->metaObject()->className()) : QStringLiteral("?");
    if (receiver && !receiver->objectName().isEmpty())
        name += QLatin1Char(' ') + receiver->objectName();
    for (const QObject* up = receiver ? receiver->parent() : nullptr; up && name.size() < 120;
         up = up->parent())
        if (!up->objectName().isEmpty()) {
            name += QStringLiteral(" in ") + up->objectName();
            break;
        }
    return QStringLiteral("%1 to %2").arg(eventName(event->type()), name);
}

class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (m_depth++ > 0 || !m_recording) {
            const bool done = QApplication::notify(receiver, event);
            --m_depth;
            return done;
        }
        QElapsedTimer timer;
        timer.start();
        const QString what = describe(receiver, event);
        const bool done = QApplication::notify(receiver, event);
        const double ms = timer.nsecsElapsed() / 1e6;
        --m_depth;
        if (ms > 16)
            m_stalls.append({ms, what});
        return done;
    }
    void record(bool on) { m_recording = on; }
    const QVector<Stall>& stalls() const { return m_stalls; }

private:
    int m_depth = 0;
    bool m_recording = false;
    QVector<Stall> m_stalls;
};

void chooseLanguage(WindowRig& rig, int index)
{
    if (auto* button = rig.find<OakPushButton>(QStringLiteral("languageButton")))
        button->menu()->actions().at(index)->trigger();
}

// The script's actions come one event each, as a user's and the poll's do,
// through receivers named after them: a stall names the action.
class Script
{
public:
    explicit Script(QObject* parent) : m_parent(parent) {}

    void post(const QString& action, std::function<void()> run)
    {
        QObject*& receiver = m_receivers[action];
        if (!receiver) {
            receiver = new QObject(m_parent);
            receiver->setObjectName(QStringLiteral("script: ") + action);
        }
        QMetaObject::invokeMethod(receiver, std::move(run), Qt::QueuedConnection);
    }

private:
    QObject* m_parent;
    QHash<QString, QObject*> m_receivers;
};

// One step of the script; the status report goes the way the poll's does.
void step(Script& script, WindowRig& rig, int i)
{
    MousecfgWidget* window = &rig.window();
    VirtualMouse* mouse = &rig.mouse();
    DeviceSession* session = &rig.session();
    if (i % 7 == 3)
        script.post(QStringLiteral("slot change"), [window, i] { window->changeSlot((i / 7) % 5, false); });
    if (i % 5 == 0)
        script.post(QStringLiteral("tab switch"), [window, i] { window->showTab((i / 5) % 4); });
    if (i % 10 == 9)
        script.post(QStringLiteral("DPI button"), [mouse] { mouse->pressDpiButton(); });
    if (i == 40)
        script.post(QStringLiteral("unplug"), [mouse] { mouse->unplug(VirtualIdentity::Receiver); });
    if (i == 46)
        script.post(QStringLiteral("replug"), [mouse] { mouse->plug(VirtualIdentity::Receiver); });
    if (i == 70 || i == 85)
        script.post(QStringLiteral("language switch"), [&rig, i] { chooseLanguage(rig, i == 70 ? 1 : 0); });
    script.post(QStringLiteral("status report"),
                [session, i] { Q_EMIT session->RefreshStatus(0, quint8(i % 4), quint8(kRates[i % 4]), 0); });
    script.post(QStringLiteral("battery report"),
                [session, i] { Q_EMIT session->RefreshBatteryStatus(0, quint8(40 + i % 40), 0); });
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// From a queued status report to the header showing it, as the poll delivers.
QVector<double> reportToHeader(WindowRig& rig)
{
    auto* bar = rig.find<OakBatteryBar>(QStringLiteral("batteryBar"));
    DeviceSession* session = &rig.session();
    QVector<double> ms;
    for (int i = 0; i < 20; ++i) {
        const quint8 level = quint8(10 + i);
        QElapsedTimer timer;
        timer.start();
        QMetaObject::invokeMethod(
            session, [session, level] { Q_EMIT session->RefreshBatteryStatus(0, level, 0); },
            Qt::QueuedConnection);
        while (bar->value() != level + 15)
            QCoreApplication::processEvents();
        bar->repaint();
        ms << timer.nsecsElapsed() / 1e6;
    }
    return ms;
}

// From a slot change to the pages and the name editor showing the slot.
QVector<double> slotToPages(WindowRig& rig)
{
    auto* name = rig.find<QLineEdit>(QStringLiteral("profileNameEditor"));
    QVector<double> ms;
    for (int i = 0; i < 20; ++i) {
        const int slot = (i % 4) + 1;
        QElapsedTimer timer;
        timer.start();
        rig.window().changeSlot(slot, false);
        rig.window().repaint();
        ms << timer.nsecsElapsed() / 1e6;
        if (name->text() != rig.workspace().slotName(slot))
            return {};
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    qInstallMessageHandler(discardMessage);
    QTextStream out(stdout);

    WindowRig rig(VirtualMouseOptions::demo());
    MousecfgWidget& window = rig.open();
    window.show();
    QTest::qWait(500);

    Script script(&app);
    LatencyProbe probe;
    probe.start();
    app.record(true);
    for (int i = 0; i < kReports; ++i) {
        step(script, rig, i);
        QTest::qWait(kStepMs);
    }
    QTest::qWait(600); // the replug's pause and the poll's restart
    probe.stop();
    app.record(false);

    const QVector<double> header = reportToHeader(rig);
    const QVector<double> pages = slotToPages(rig);
    out << QString::asprintf("status report to header: median %.3f ms, worst %.3f ms\n", median(header),
                             header.isEmpty() ? 0 : *std::max_element(header.begin(), header.end()));
    out << QString::asprintf("slot change to pages: median %.3f ms, worst %.3f ms\n", median(pages),
                             pages.isEmpty() ? 0 : *std::max_element(pages.begin(), pages.end()));
    out << "scripted session: " << probe.delaysUs().size() << " probe firings, " << app.stalls().size()
        << " events held the loop past a frame (16 ms)\n";
    for (const Stall& stall : app.stalls())
        out << QString::asprintf("  stall %.1f ms: ", stall.ms) << stall.what << "\n";
    out << QString::asprintf("event-loop delay: worst %.2f ms, 99th percentile %.2f ms (goal: under 16 ms)\n",
                             probe.worstUs() / 1000.0, probe.percentileUs(99) / 1000.0);
    return pages.isEmpty() ? 1 : 0;
}
