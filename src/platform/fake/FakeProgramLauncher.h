// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramLauncher.h"

#include <QVector>

// Records what it was asked to start; starts nothing.
class FakeProgramLauncher : public ProgramLauncher
{
public:
    struct Start
    {
        QString program;
        QStringList arguments;
    };

    bool startDetached(const QString& program, const QStringList& arguments = {}) override
    {
        m_starts.append({program, arguments});
        return m_startsSucceed;
    }
    bool openMouseSettings() override
    {
        ++m_settingsOpened;
        return m_hasMouseSettings;
    }

    void setStartsSucceed(bool succeed) { m_startsSucceed = succeed; }
    void setHasMouseSettings(bool has) { m_hasMouseSettings = has; }
    QVector<Start> starts() const { return m_starts; }
    int settingsOpened() const { return m_settingsOpened; }

private:
    bool m_startsSucceed = true;
    bool m_hasMouseSettings = true;
    QVector<Start> m_starts;
    int m_settingsOpened = 0;
};
