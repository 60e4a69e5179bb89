// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppPaths.h"
#include "storage/ModelDescription.h"
#include "widgets/UiSettings.h"

#include <QString>
#include <memory>

class KeyboardCapture;
class ProgramLauncher;
class UserPrompts;
struct PlatformServices;

// What every page may read: the look (scale, theme, font), the model it
// edits for, and where images live; plus the system services a page needs
// (starting the desktop's mouse settings, capturing keys) and the user's
// answers to its questions and messages. Owned by the window, alive as long
// as the pages.
class PageEnvironment
{
public:
    PageEnvironment(const UiSettings& ui, const ModelDescription& model, const AppPaths& paths,
                    PlatformServices& platform, UserPrompts& prompts)
        : m_ui(ui), m_model(model), m_paths(paths), m_platform(platform), m_prompts(prompts)
    {
    }

    const UiSettings& ui() const { return m_ui; }
    int scaled(int designValue) const { return m_ui.scaled(designValue); }
    // The model description in force (replaced on re-initialisation).
    const ModelDescription& model() const { return m_model; }
    const AppPaths& paths() const { return m_paths; }

    // A file of the skin, e.g. skinFile("DPI-ON.png").
    QString skinFile(const QString& name) const { return m_paths.skinFile(name); }
    // A picture of the current model, e.g. modelPicture("Mouse.png").
    QString modelPicture(const QString& name) const
    {
        return m_paths.skinFile(QStringLiteral("mouse/") + m_model.modelName + QLatin1Char('/') + name);
    }

    ProgramLauncher& launcher() const;
    std::unique_ptr<KeyboardCapture> makeKeyboardCapture() const;
    UserPrompts& prompts() const { return m_prompts; }

private:
    const UiSettings& m_ui;
    const ModelDescription& m_model;
    const AppPaths& m_paths;
    PlatformServices& m_platform;
    UserPrompts& m_prompts;
};
