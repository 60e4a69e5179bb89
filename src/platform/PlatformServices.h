// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyboardCapture.h"
#include "platform/OnScreenDisplay.h"
#include "platform/PointerSpeed.h"
#include "platform/ProgramLauncher.h"

#include <QString>
#include <functional>
#include <memory>

// The operating-system services the window and its pages use, built once at
// start-up (tests fill it with fakes).
struct PlatformServices
{
    std::unique_ptr<PointerSpeed> pointerSpeed;
    std::unique_ptr<ProgramLauncher> launcher;
    std::unique_ptr<OnScreenDisplay> onScreenDisplay;
    // Each capture dialog makes its own capture.
    std::function<std::unique_ptr<KeyboardCapture>()> makeKeyboardCapture;

    // This system's services; appDir is where the companion programs live.
    static PlatformServices forThisSystem(const QString& appDir);
};
