#include "editors/lighting/OakColorWindow.h"

OakColorWindow::OakColorWindow(const PageEnvironment& environment, QWidget* parent) : EditorPage(environment, parent) {}

void OakColorWindow::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
}

void OakColorWindow::retranslate() {}
