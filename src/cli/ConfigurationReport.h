#pragma once

#include "storage/AppPaths.h"
#include "storage/ProfileSet.h"

#include <QJsonObject>
#include <QString>

// The stored configuration in readable form: DPI stages in DPI for the
// model's sensor, the function of each button and the lighting, for every
// profile.
class ConfigurationReport
{
public:
    explicit ConfigurationReport(const AppPaths& paths);

    QString toText() const;
    QJsonObject toJson() const;

    // 0 for a code that names no rate.
    static int reportRateHz(int code);
    static QString reportRateText(int code);
    // The label of a button's function, with what it sends where that helps.
    static QString buttonText(const ButtonAssignment& button);

private:
    QJsonObject profileJson(const ProfileData& profile, int slot) const;
    QString profileText(const ProfileData& profile, int slot) const;
    // The records shown: the model's buttons, then the two wheel directions.
    QVector<int> shownButtons() const;

    QString m_productName;
    int m_sensorType = 0;
    int m_buttonCount = 0;
    int m_stageCount = 8;
    ProfileSet m_set;
};
