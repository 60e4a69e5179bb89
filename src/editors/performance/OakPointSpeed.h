#pragma once

#include "editors/EditorPage.h"

// The sensor settings: key response, scroll speed, angle snapping, sync and jitter.
class OakPointSpeed : public EditorPage
{
    Q_OBJECT
public:
    explicit OakPointSpeed(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;

private:
    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
};
