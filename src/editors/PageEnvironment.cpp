// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/PageEnvironment.h"

#include "platform/PlatformServices.h"

ProgramLauncher& PageEnvironment::launcher() const
{
    return *m_platform.launcher;
}

std::unique_ptr<KeyboardCapture> PageEnvironment::makeKeyboardCapture() const
{
    return m_platform.makeKeyboardCapture ? m_platform.makeKeyboardCapture() : nullptr;
}
