// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/PageEnvironment.h"
#include "support/ScriptedPrompts.h"
#include "platform/PlatformServices.h"
#include "platform/fake/FakeProgramLauncher.h"
#include "storage/AppPaths.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSet.h"
#include "widgets/UiSettings.h"

#include <memory>

// One page on its own: a model description the test sets, the built skin,
// a fake launcher, and a profile set whose current record the page edits.
struct PageRig
{
    explicit PageRig(int sensorType = 3389, int stageCount = 6)
    {
        model.sensorType = sensorType;
        model.dpiStageCount = stageCount;
        auto fake = std::make_unique<FakeProgramLauncher>();
        launcher = fake.get();
        platform.launcher = std::move(fake);
        ui.setThemeColor(QColor(255, 125, 0));
    }

    template <typename Page> std::unique_ptr<Page> make()
    {
        auto page = std::make_unique<Page>(environment);
        page->resize(page->sizeHint().expandedTo(QSize(506, 386)));
        page->rescale();
        return page;
    }

    ProfileData& record() { return set.current(); }

    UiSettings ui;
    ModelDescription model;
    AppPaths paths{QStringLiteral(MOUSECFG_BUILD_APP_DIR)};
    PlatformServices platform;
    FakeProgramLauncher* launcher = nullptr;
    ScriptedPrompts prompts;
    PageEnvironment environment{ui, model, paths, platform, prompts};
    ProfileSet set;
};
