#include "editors/performance/OakReportRate.h"

OakReportRate::OakReportRate(const PageEnvironment& environment, QWidget* parent) : EditorPage(environment, parent) {}

void OakReportRate::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
}

void OakReportRate::retranslate() {}
