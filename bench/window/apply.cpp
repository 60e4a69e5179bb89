// SPDX-License-Identifier: GPL-3.0-or-later
// Apply as a user makes it: a click on the window's Apply button, on the
// virtual mouse in real time with no added latency, until the busy dialog
// has closed, against the waits the protocol mandates for what was sent
// (10 ms after each report, 50 ms per macro built). Once without macros and
// once with twelve macros bound to buttons. Usage: bench_apply [rounds]

#include "../BenchMacros.h"
#include "app/CommitController.h"
#include "protocol/FunctionTable.h"
#include "storage/ProfileWorkspace.h"
#include "support/UserInput.h"
#include "support/WindowRig.h"
#include "widgets/OakPushButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>
#include <algorithm>

namespace {

using BenchMacros::kMacros;

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

struct Round
{
    double ms = 0;   // click to busy dialog closed
    int reports = 0; // what the apply sent
};

// The sample model has eight buttons; the bench's model has sixteen, as the
// largest of the family, so that twelve macros can be bound.
void describeSixteenButtons(WindowRig& rig)
{
    const QString path = rig.paths().productDescriptionFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray text = file.readAll();
    file.close();
    // The button count is stored xored with the "MouseDpi" value (82).
    text.replace("ButtonCount=90", "ButtonCount=" + QByteArray::number(16 ^ 82));
    for (int n = 8; n < 16; ++n) {
        const QByteArray key = "BUTTON_INFO_" + QByteArray::number(n);
        text.replace(key + "_Matrix=0\n", key + "_Matrix=" + QByteArray::number(n) + "\n");
        text.replace(key + "_Matrix2=-1\n", key + "_Matrix2=0\n");
    }
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
}

// Twelve macros of forty key events each, bound to buttons 3 to 14 of the
// current profile.
void bindMacros(WindowRig& rig)
{
    BenchMacros::save(rig.paths());
    ProfileData& profile = rig.workspace().current();
    for (int m = 0; m < kMacros; ++m) {
        profile.buttons[m + 2].Fun = FunctionTable::Macro;
        profile.buttons[m + 2].macroname = BenchMacros::name(m);
    }
    rig.workspace().noteReplaced();
}

Round clickApply(QWidget* apply, CommitController* commit)
{
    QSignalSpy finished(commit, &CommitController::finished);
    QSignalSpy progress(commit, &CommitController::progress);
    QElapsedTimer timer;
    timer.start();
    UserInput::click(apply);
    if (finished.isEmpty())
        finished.wait(30000);
    Round round;
    round.ms = timer.nsecsElapsed() / 1e6;
    if (!progress.isEmpty())
        round.reports = progress.last().at(1).toInt();
    // What the apply set off (the poll's restart, the files) settles before
    // the next click.
    QTest::qWait(300);
    return round;
}

Round median(QVector<Round> rounds)
{
    std::sort(rounds.begin(), rounds.end(), [](const Round& a, const Round& b) { return a.ms < b.ms; });
    return rounds.at(rounds.size() / 2);
}

QString summary(const QString& what, const QVector<Round>& rounds, int macros, double* ratio)
{
    const Round middle = median(rounds);
    const double floorMs = BenchMacros::mandatedWaitsMs(middle.reports, macros);
    *ratio = floorMs > 0 ? middle.ms / floorMs : 0;
    QString times;
    for (const Round& round : rounds)
        times += QString::number(round.ms, 'f', 0) + QLatin1Char(' ');
    return QString::asprintf("%s: %d reports, click to dialog closed %.1f ms (median of %d: ",
                             qPrintable(what), middle.reports, middle.ms, int(rounds.size())) +
           times.trimmed() + QString::asprintf("), mandated waits %.0f ms", floorMs);
}

QVector<Round> run(WindowRig& rig, int rounds)
{
    auto* apply = rig.find<QWidget>(QStringLiteral("applyButton"));
    auto* commit = rig.find<CommitController>(QStringLiteral("commitController"));
    QVector<Round> measured;
    if (!apply || !commit)
        return measured;
    for (int i = 0; i < rounds; ++i)
        measured << clickApply(apply, commit);
    return measured;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(discardMessage);
    QTextStream out(stdout);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    VirtualMouseOptions options;
    options.realTime = true;
    WindowRig rig(options);
    describeSixteenButtons(rig);
    MousecfgWidget& window = rig.open();
    window.show();
    QTest::qWait(500);

    const QVector<Round> plain = run(rig, rounds);
    bindMacros(rig);
    const QVector<Round> withMacros = run(rig, rounds);
    if (plain.isEmpty() || withMacros.isEmpty()) {
        out << "the window has no Apply button\n";
        return 1;
    }
    double plainRatio = 0;
    double macroRatio = 0;
    const QString plainText = summary(QStringLiteral("apply without macros"), plain, 0, &plainRatio);
    const QString macroText =
        summary(QStringLiteral("apply with %1 macros").arg(kMacros), withMacros, kMacros, &macroRatio);
    out << plainText << "\n" << macroText << "\n";
    out << QString::asprintf("ratio to the mandated waits, without macros: %.2f (goal: at most 1.5)\n",
                             plainRatio);
    out << QString::asprintf("ratio to the mandated waits, with %d macros: %.2f (goal: at most 1.5)\n",
                             kMacros, macroRatio);
    return 0;
}
