#include "editors/buttons/MousePictureView.h"

MousePictureView::MousePictureView(const PageEnvironment& environment, QWidget* parent) : EditorPage(environment, parent) {}

void MousePictureView::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
}

void MousePictureView::retranslate() {}
