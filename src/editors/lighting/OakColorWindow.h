#pragma once

#include "editors/EditorPage.h"

// The lighting page: effect, colour, brightness, speed and sleep time.
class OakColorWindow : public EditorPage
{
    Q_OBJECT
public:
    explicit OakColorWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;

private:
    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
};
