#pragma once

#include "editors/EditorPage.h"

// The button page: the function of every button of the current profile.
class OakBtnWindow : public EditorPage
{
    Q_OBJECT
public:
    explicit OakBtnWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;

private:
    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
};
