#pragma once

#include "editors/EditorPage.h"

// The report rate and the lift-off distance.
class OakReportRate : public EditorPage
{
    Q_OBJECT
public:
    explicit OakReportRate(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;

private:
    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
};
