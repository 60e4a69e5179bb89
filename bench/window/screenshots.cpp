// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window on the virtual mouse, offscreen, into PNG files:
// one picture per tab and one per Chinese language. Usage:
//   bench_screenshots DIR [--scale S]
// Each shot is a row of the table below: a name and how to get there; a shot
// of a dialog returns the dialog to grab instead of the window.

#include "app/WindowPrompts.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"
#include "widgets/OakPushButton.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QTest>
#include <QTextStream>
#include <functional>

namespace {

struct Shot
{
    QString name;
    // Brings the window into the state to show; returns what to grab (null:
    // the window).
    std::function<QWidget*(WindowRig&)> prepare;
};

QWidget* showTab(WindowRig& rig, int tab)
{
    rig.window().showTab(tab);
    return nullptr;
}

// A change not applied yet: the DPI tab and the first slot carry the mark.
QWidget* showUnappliedChange(WindowRig& rig)
{
    rig.window().showTab(2);
    rig.workspace().working().profiles[0].pollrate = 2;
    rig.workspace().noteReplaced();
    return nullptr;
}

// The desktop's file dialog as the import button opens it, over the window.
QWidget* showFileDialog(WindowRig& rig)
{
    const WindowPrompts prompts(&rig.window(), rig.ui());
    QFileDialog* dialog =
        prompts.fileDialog(QStringLiteral("Load Profile File"), QStringLiteral("Profile File(*.prof)"), false)
            .release();
    dialog->setDirectory(rig.paths().configDir());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

QWidget* showLanguage(WindowRig& rig, int language)
{
    auto* button = rig.find<OakPushButton>(QStringLiteral("languageButton"));
    if (button && button->menu() && language < button->menu()->actions().size())
        button->menu()->actions().at(language)->trigger();
    rig.window().showTab(1);
    return nullptr;
}

const QVector<Shot>& shots()
{
    static const QVector<Shot> table{
        {QStringLiteral("tab-lighting"), [](WindowRig& rig) { return showTab(rig, 0); }},
        {QStringLiteral("tab-customize"), [](WindowRig& rig) { return showTab(rig, 1); }},
        {QStringLiteral("tab-dpi"), [](WindowRig& rig) { return showTab(rig, 2); }},
        {QStringLiteral("tab-macro"), [](WindowRig& rig) { return showTab(rig, 3); }},
        {QStringLiteral("unapplied-change"), showUnappliedChange},
        {QStringLiteral("dialog-file"), showFileDialog},
        {QStringLiteral("lang-sc"), [](WindowRig& rig) { return showLanguage(rig, 1); }},
        {QStringLiteral("lang-tc"), [](WindowRig& rig) { return showLanguage(rig, 2); }},
    };
    return table;
}

// The scale follows the screen's logical DPI; the offscreen screen takes it
// from QT_FONT_DPI, which must be set before the application starts.
double scaleFromArguments(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--scale")
            return QByteArray(argv[i + 1]).toDouble();
    return 1.0;
}

void settle(WindowRig& rig)
{
    // Long enough for the poll's first battery report and every repaint.
    QTest::qWait(300);
    QApplication::processEvents();
    Q_UNUSED(rig)
}

} // namespace

int main(int argc, char** argv)
{
    const double scale = scaleFromArguments(argc, argv);
    qputenv("QT_FONT_DPI", QByteArray::number(qRound(96 * (scale > 0 ? scale : 1.0))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.at(1).startsWith(QLatin1String("--"))) {
        out << "usage: bench_screenshots DIR [--scale S]\n";
        return 2;
    }
    const QDir dir(args.at(1));
    if (!QDir().mkpath(dir.path())) {
        out << "cannot create " << dir.path() << "\n";
        return 1;
    }
    const QString suffix = QStringLiteral("@%1x.png").arg(scale);
    for (const Shot& shot : shots()) {
        // A fresh window per shot: no shot sees what the one before changed.
        WindowRig rig;
        MousecfgWidget& window = rig.open();
        window.show();
        settle(rig);
        QWidget* target = shot.prepare(rig);
        settle(rig);
        const QString file = dir.filePath(shot.name + suffix);
        if (!(target ? target : &window)->grab().save(file)) {
            out << "cannot write " << file << "\n";
            return 1;
        }
        out << file << "\n";
    }
    return 0;
}
