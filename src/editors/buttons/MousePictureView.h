// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorPage.h"
#include "storage/MouseMarkers.h"

#include <QHash>
#include <QPointer>

class MarkerButton;
class OakBtnWindow;
class OakPushButton;

// The mouse pictures of the button page, front and side, with a numbered
// marker per button. Clicking a marker selects that button on the button
// page; the button under the pointer (on the picture or in the page's list)
// is highlighted, on the front picture with its area in the accent.
class MousePictureView : public EditorPage
{
    Q_OBJECT
public:
    explicit MousePictureView(const PageEnvironment& environment, QWidget* parent = nullptr);

    // The button page this view selects on and follows.
    void attach(OakBtnWindow* page);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;
    void rescale() override;

    MouseMarkers::View view() const { return m_view; }
    MarkerButton* marker(int record) const { return m_markers.value(record); }
    // The picture shown now (a file name beside markers.ini).
    QString shownPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuildMarkers();
    void setView(MouseMarkers::View view);
    void onViewButton(MouseMarkers::View view);
    void setHover(int record, bool over);
    void showSelection(int record);
    void updateViewButtons();

    QPointer<OakBtnWindow> m_page;
    OakPushButton* m_front = nullptr;
    OakPushButton* m_side = nullptr;
    QHash<int, MarkerButton*> m_markers;
    MouseMarkers::View m_view = MouseMarkers::Front;
    int m_hover = -1;
    int m_selected = -1;
};
