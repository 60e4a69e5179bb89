// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/PageEnvironment.h"
#include "support/ScriptedPrompts.h"
#include "editors/lighting/DefaultColorArea.h"
#include "editors/lighting/OakColorArea.h"
#include "editors/lighting/OakColorWindow.h"
#include "platform/PlatformServices.h"
#include "storage/ProfileSet.h"
#include "widgets/KitStyle.h"
#include "widgets/UiSettings.h"

#include <QAction>
#include <QApplication>
#include <QSlider>
#include <QWidget>
#include <memory>

// The lighting page on its own, in a stand-in window, over a profile set
// whose every lighting entry holds values of its own.
struct LightingFixture
{
    explicit LightingFixture(double scale = 1.0, const QString& modelName = QStringLiteral("Wren W8"))
        : paths(QStringLiteral("/nonexistent"))
    {
        ui.setScale(UiScale{int((scale - 1.0) * 4), scale});
        ui.setThemeColor(QColor(255, 125, 0));
        model.modelName = modelName;
        model.sleepMin = 1;
        model.sleepMax = 9;
        for (ProfileData& profile : set.profiles)
            fill(profile, int(&profile - set.profiles));
        // The window's look: its style sheet over its dark background.
        host.setStyleSheet(windowStyle(scale));
        QPalette dark = host.palette();
        dark.setColor(QPalette::Window, KitStyle::kBackground);
        host.setPalette(dark);
        host.setAutoFillBackground(true);
        host.resize(ui.scaled(664), ui.scaled(199));
    }

    // Builds the page; change `model` before.
    OakColorWindow& open(int slot = 0)
    {
        environment = std::make_unique<PageEnvironment>(ui, model, paths, platform, prompts);
        page = std::make_unique<OakColorWindow>(*environment, &host);
        page->setGeometry(0, 0, ui.scaled(664), ui.scaled(199));
        set.ProfileID = quint8(slot);
        page->refresh(set.current(), set);
        host.show();
        return *page;
    }

    // Profile p, effect m: colour (10p+m, 100+m, 200-m), brightness and
    // speed that differ between neighbouring effects.
    static void fill(ProfileData& profile, int p)
    {
        profile.LedMode = 2;
        profile.LedSleepTime = quint8(3 + p);
        profile.LedMoveOFF = 255;
        for (int m = 0; m < ProfileData::kLedModes; ++m) {
            profile.leds[m].colour = QColor(10 * p + m, 100 + m, 200 - m);
            profile.leds[m].bright = quint32(1 + m % 3);
            profile.leds[m].breath = quint32(1 + (m + p) % 5);
        }
    }

    // The window's style sheet. Text grows with the screen's DPI, from
    // which the scale comes; the offscreen screen stays at 96 DPI, so the
    // text is grown here.
    static QString windowStyle(double scale)
    {
        return KitStyle::styleSheet(QColor(255, 125, 0), UiScale{int((scale - 1) * 4), scale}) +
               QStringLiteral("QWidget { font-size: %1px; }").arg(int(12 * scale));
    }

    template <typename T> T* find(const char* name) const { return page->findChild<T*>(QLatin1String(name)); }
    QSlider* slider(const char* name) const { return find<QSlider>(name); }
    void choose(int effect) const
    {
        find<QAction>(QStringLiteral("effect%1").arg(effect).toLatin1().constData())->trigger();
    }
    // Shown to the user: visible and with room to be seen.
    bool shows(const char* name) const
    {
        auto* widget = find<QWidget>(name);
        return widget && widget->isVisible() && !widget->geometry().isEmpty();
    }

    UiSettings ui;
    ModelDescription model;
    AppPaths paths;
    PlatformServices platform;
    ProfileSet set;
    QWidget host;
    ScriptedPrompts prompts;
    std::unique_ptr<PageEnvironment> environment;
    std::unique_ptr<OakColorWindow> page;
};
