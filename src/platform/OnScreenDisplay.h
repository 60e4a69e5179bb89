// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <memory>

// Shows short status texts (profile, DPI stage, report rate) on the desktop
// through the on-screen-display companion. Never blocks its caller and
// never reports failure: a text that cannot be shown is dropped.
class OnScreenDisplay
{
public:
    virtual ~OnScreenDisplay() = default;

    virtual void showText(const QString& text, const QColor& color) = 0;
};

// This system's on-screen display; appDir is where the companion lives.
std::unique_ptr<OnScreenDisplay> createOnScreenDisplay(const QString& appDir);
// The local socket our companion listens on (this user's).
QString onScreenDisplayServerName();
