#pragma once

#include "editors/EditorPage.h"

// The mouse pictures of the button page, front and side, with a marker per button.
class MousePictureView : public EditorPage
{
    Q_OBJECT
public:
    explicit MousePictureView(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;

private:
    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
};
