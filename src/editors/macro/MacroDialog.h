#pragma once

#include "editors/EditorPage.h"

// The macro editor: records, edits and stores macros.
class MacroDialog : public EditorPage
{
    Q_OBJECT
public:
    explicit MacroDialog(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;

private:
    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
};
