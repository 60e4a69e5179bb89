#include "editors/macro/MacroDialog.h"

MacroDialog::MacroDialog(const PageEnvironment& environment, QWidget* parent) : EditorPage(environment, parent) {}

void MacroDialog::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
}

void MacroDialog::retranslate() {}
