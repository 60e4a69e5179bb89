// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorPage.h"
#include "editors/buttons/ButtonViews.h"

#include <QHash>
#include <QVector>

class OakPushButton;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;

// The button page: one label button per mouse button of the current
// profile, each offering the function catalogue in a menu (the wheel's two
// records a shorter wheel menu). Choosing an entry writes the button record
// in place; the record reaches the mouse with the next "Apply".
class OakBtnWindow : public EditorPage
{
    Q_OBJECT
public:
    explicit OakBtnWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;
    void reinitialise() override;
    void rescale() override;

    // Selects index within group (0 front, 1 side, 2 wheel; 255 none) and
    // shows that group's view; a group of 255 keeps the view.
    void showGroup(int index, int group);
    MouseMarkers::View view() const { return m_view; }
    const ButtonViews& views() const { return m_views; }
    const MouseMarkers& markers() const { return m_markers; }
    // Selects a record (0 to 41; -1 none) without changing the view.
    void selectRecord(int record);
    int selectedRecord() const { return m_selected; }
    OakPushButton* labelButton(int record) const;
    int recordOf(const QObject* labelButton) const;
    QMenu* mainMenu() const { return m_mainMenu; }
    QMenu* wheelMenu() const { return m_wheelMenu; }
    // The catalogue entry of a function code (one action per entry).
    QAction* action(int function) const { return m_actions.value(function); }

Q_SIGNALS:
    // True while a label button is being assigned or is under the pointer.
    void SelBtnControl(OakPushButton* btn, bool bType);
    void selectionChanged(int record);
    void viewChanged(MouseMarkers::View view);
    // The model's markers or views were read anew.
    void layoutChanged();

public Q_SLOTS:
    void slotMouseEnter(OakPushButton* btn);
    void slotMouseOver(OakPushButton* btn, bool over);
    void OnMouseEnterSlot(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildLabels();
    void buildActions();
    void buildMenus();
    void loadModel();
    void layoutLabels();
    void refreshLabels();
    void refreshLabel(int record);
    void onLabelClicked(int record);
    void onActionTriggered();
    void choose(int function);
    QString labelText(int record) const;

    ProfileData* m_record = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QVector<OakPushButton*> m_labels;
    QVector<QLabel*> m_numbers;
    QHash<int, QAction*> m_actions;
    QMenu* m_mainMenu = nullptr;
    QMenu* m_wheelMenu = nullptr;
    QVector<QMenu*> m_submenus;
    MouseMarkers m_markers;
    ButtonViews m_views;
    MouseMarkers::View m_view = MouseMarkers::Front;
    int m_selected = -1;
};
