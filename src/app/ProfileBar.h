// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVector>

class AppPaths;
class OakLineEdit;
class OakPushButton;
class ProfileOperations;
class QLabel;
class QMenu;
class UiSettings;
class QWidget;

// The profile column and the commit buttons: the five slot buttons, the
// name editor with the library drop-down, and the buttons of the profile
// operations, each connected to its operation.
class ProfileBar : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSlots = 5;

    ProfileBar(const UiSettings& ui, const AppPaths& paths, ProfileOperations& operations, QWidget* window);

    void place();
    void retranslate();
    // Every control of the column and the commit buttons.
    void setEnabled(bool enabled);

    // Highlights the current slot's button and names it on the profile label.
    void showCurrentSlot(int slot);
    // Marks a slot whose profile has changes not applied yet.
    void markUnsaved(int slot, bool unsaved);
    void showName(const QString& name);
    void showLibrary(const QStringList& names);

    // The column's controls in layout order, then OK, Cancel and Apply.
    QList<QWidget*> focusChain() const;

    // "Profile 1" to "Profile 5": the text of a slot.
    static QString slotText(int slot);

Q_SIGNALS:
    void slotChosen(int slot);

private:
    OakPushButton* button(const char* objectName);
    void connectOperations();

    const UiSettings& m_ui;
    ProfileOperations& m_operations;
    QWidget* m_window;
    int m_currentSlot = 0;

    QLabel* m_caption = nullptr;
    QLabel* m_profileLabel = nullptr;
    QVector<OakPushButton*> m_slots;
    OakLineEdit* m_nameEditor = nullptr;
    OakPushButton* m_library = nullptr;
    QMenu* m_libraryMenu = nullptr;
    OakPushButton* m_import = nullptr;
    OakPushButton* m_export = nullptr;
    OakPushButton* m_add = nullptr;
    OakPushButton* m_delete = nullptr;
    OakPushButton* m_copy = nullptr;
    OakPushButton* m_reset = nullptr;
    OakPushButton* m_resetAll = nullptr;
    OakPushButton* m_load = nullptr;
    OakPushButton* m_save = nullptr;
    OakPushButton* m_ok = nullptr;
    OakPushButton* m_cancel = nullptr;
    OakPushButton* m_apply = nullptr;
};
