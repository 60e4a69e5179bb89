#include "editors/performance/OakPointSpeed.h"

OakPointSpeed::OakPointSpeed(const PageEnvironment& environment, QWidget* parent) : EditorPage(environment, parent) {}

void OakPointSpeed::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
}

void OakPointSpeed::retranslate() {}
