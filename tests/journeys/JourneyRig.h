// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommitController.h"
#include "app/MousecfgWidget.h"
#include "device/ApplyJob.h"
#include "storage/IniReader.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileWorkspace.h"
#include "support/UserInput.h"
#include "support/WindowRig.h"
#include "widgets/OakPushButton.h"

#include <QSignalSpy>
#include <QtTest>

// The real window, shown, on the virtual mouse, worked through its controls
// as a user works it; questions and file dialogs are answered by the rig's
// scripted prompts.
struct JourneyRig
{
    explicit JourneyRig(const VirtualMouseOptions& options = VirtualMouseOptions()) : rig(options) {}

    MousecfgWidget& open()
    {
        MousecfgWidget& window = rig.open();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the window was not exposed");
        // The poll has spoken once: the window shows the mouse as it is.
        const int before = rig.mouse().counters().writes;
        if (!QTest::qWaitFor([&] { return rig.mouse().counters().writes > before; }))
            qWarning("the poll did not ask the mouse");
        QApplication::processEvents();
        return window;
    }
    MousecfgWidget& window() { return rig.window(); }
    ProfileWorkspace& workspace() { return rig.workspace(); }
    template <typename T = QWidget> T* find(const char* name) const
    {
        T* found = rig.find<T>(QLatin1String(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }
    OakPushButton* button(const char* name) const { return find<OakPushButton>(name); }

    // Lets the poll ask the mouse for its status `queries` more times and the
    // window take in what it answered.
    void waitForPolls(int queries = 3)
    {
        const int before = rig.mouse().counters().writes;
        QTRY_VERIFY(rig.mouse().counters().writes >= before + queries);
        QApplication::processEvents();
    }
    // Clicks a commit button and waits for the commit to end; false when the
    // click did not reach it or nothing was committed.
    bool commitBy(const char* buttonName)
    {
        auto* commit = rig.find<CommitController>(QStringLiteral("commitController"));
        QSignalSpy done(commit, &CommitController::committed);
        if (!UserInput::click(button(buttonName)))
            return false;
        return !done.isEmpty() || done.wait(20000);
    }
    // A key of the current profile's file, as the disk holds it once the
    // window's writer has written what it holds.
    QVariant storedValue(const QString& key)
    {
        rig.flushFiles();
        const ProfileFiles files(rig.paths(), workspace().modelName());
        return IniReader(files.profilePath(workspace().slotName(workspace().currentSlot())))
            .value(QStringLiteral("PROFILE/") + key);
    }

    WindowRig rig;
};
