#include "editors/buttons/OakBtnWindow.h"

OakBtnWindow::OakBtnWindow(const PageEnvironment& environment, QWidget* parent) : EditorPage(environment, parent) {}

void OakBtnWindow::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
}

void OakBtnWindow::retranslate() {}
