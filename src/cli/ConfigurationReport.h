// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/DeviceLimits.h"
#include "storage/AppPaths.h"
#include "storage/ProfileSet.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The stored configuration in readable form: DPI stages in DPI for the
// model's sensor, the function of each button and the lighting, for every
// profile. Values the mouse would not accept are marked with what a download
// sends in their place (DeviceLimits); control characters in names are shown
// escaped.
class ConfigurationReport
{
public:
    explicit ConfigurationReport(const AppPaths& paths);

    QString toText() const;
    QJsonObject toJson() const;
    // Slot files that are there but could not be read; their profiles show
    // as defaults.
    QStringList unreadableFiles() const { return m_unreadable; }

    // 0 for a code that names no rate.
    static int reportRateHz(int code);
    static QString reportRateText(int code);
    // The label of a button's function, with what it sends where that helps.
    static QString buttonText(const ButtonAssignment& button);
    // Text with control characters as escapes ("\n", "\x1b"), for one line.
    static QString printable(const QString& text);

private:
    QJsonObject profileJson(const ProfileData& profile, int slot) const;
    QString profileText(const ProfileData& profile, int slot) const;
    // The records shown: the model's buttons, then the two wheel directions.
    QVector<int> shownButtons() const;
    // The change a download makes to this value, if any.
    const LimitChange* change(int slot, LimitChange::Field field, int index = 0) const;
    // " (out of range, sent as N)" for a changed value, else empty.
    QString mark(int slot, LimitChange::Field field, int index = 0) const;
    QJsonArray outOfRangeJson(int slot) const;
    QString stageMarks(int slot, int stage) const;

    QString m_productName;
    int m_sensorType = 0;
    int m_buttonCount = 0;
    int m_stageCount = 8;
    ProfileSet m_set;
    QVector<LimitChange> m_changes;
    QStringList m_unreadable;
};
