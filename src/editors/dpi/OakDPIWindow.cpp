#include "editors/dpi/OakDPIWindow.h"

OakDPIWindow::OakDPIWindow(const PageEnvironment& environment, QWidget* parent) : EditorPage(environment, parent) {}

void OakDPIWindow::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
}

void OakDPIWindow::retranslate() {}
