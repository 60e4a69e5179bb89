#pragma once

#include "editors/EditorPage.h"

// The DPI page: the stages of the current profile and which one is active.
class OakDPIWindow : public EditorPage
{
    Q_OBJECT
public:
    explicit OakDPIWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;

private:
    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
};
