// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorPage.h"
#include "editors/macro/DesignGeometry.h"
#include "protocol/KeyTable.h"
#include "protocol/MacroRecorder.h"
#include "protocol/MacroSteps.h"
#include "storage/GunFile.h"
#include "storage/MacroDrafts.h"

#include <QVector>

#include <functional>
#include <memory>

class KeyboardCapture;
class MacroFileChooser;
class MacroSettingsPanel;
class MacroStepTable;
class MouseCommandTree;
class OakPushButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTreeWidgetItem;
struct MacroRecord;

// The macro page: the list of stored macros, the step table of the macro
// shown, recording through the keyboard capture, the mouse commands, the
// editing bar with edit mode, and the macro files' operations. The rules
// that change steps live in MacroSteps and MacroRecorder; the files in
// MacroFiles. Edits of a macro are kept, per macro, until the editor's
// SAVE, the window's Apply or its Cancel. The page does not edit the
// profile, except that the buttons bound to a macro follow it when it is
// renamed or deleted.
class MacroDialog : public EditorPage
{
    Q_OBJECT
public:
    explicit MacroDialog(const PageEnvironment& environment, QWidget* parent = nullptr);
    ~MacroDialog() override;

    void refresh(ProfileData& record, ProfileSet& set) override;
    // Saves the macros edited and not saved yet: what the editor shows is
    // what the mouse receives.
    void collect(ProfileSet& set) override;
    bool hasPendingEdits() const override { return !m_drafts.isEmpty(); }
    void discardEdits() override;
    void retranslate() override;
    void reinitialise() override;
    void rescale() override;

    // Where the page asks for files (the system's dialogs by default).
    void setFileChooser(std::unique_ptr<MacroFileChooser> chooser);
    // The clock that times recorded delays, in milliseconds.
    void setClock(std::function<qint64()> clock);
    // Runs the gun set dialog; false when the user declined. Replaceable so
    // that the page can be driven without a modal dialog.
    using GunSetRunner = std::function<bool(QString* name, QVector<GunShot>* shots)>;
    void setGunSetRunner(GunSetRunner runner);

    bool isRecording() const { return m_recording; }
    bool isEditing() const { return m_editing; }
    QString shownMacro() const { return m_shownName; }
    const MacroSteps& steps() const { return m_steps; }

public Q_SLOTS:
    void itemClicked(QListWidgetItem* item);
    void SelectRow(int row);

private Q_SLOTS:
    void onButtonClicked();
    void CurrentChanged(int current, int previous);
    void EditDelayChanged(const QString& text);
    void EditMoveChanged(const QString& text);
    void onKeyCaptured(quint16 scanCode, quint8 flags);

private:
    void buildControls();
    OakPushButton* addButton(const char* objectName, const QRect& design);
    void setControlsEnabled(bool enabled);
    void updateEditingBar();

    // Recording and edit mode (MacroDialogRecording.cpp).
    void startRecording(bool afterSelection);
    void stopRecording();
    void recordKey(quint16 scanCode, quint8 flags);
    void enterEditMode();
    void leaveEditMode();
    void showEditFields();
    void editKey(quint16 scanCode, quint8 flags);
    void followCaptureForEditing();
    KeyboardCapture& capture();

    // Steps (MacroDialogSteps.cpp).
    void editingBarAction(QObject* button);
    void insertSteps(const QVector<MacroEvent>& steps);
    void onClickCommand(int button);
    void onButtonChangeCommand(int button, bool press);
    void onMoveCommand(int direction, int distance);
    void showSteps(int selectRow);
    MacroSteps::DelayRule delayRule() const;
    void refuseFullMacro();

    // The macro list and files (MacroDialogFiles.cpp).
    void reloadList(const QString& select);
    void loadMacro(const QString& name);
    bool saveShownMacro();
    MacroRecord shownRecord() const;
    // The shown macro was edited: it is a draft while it differs from its file.
    void noteShownEdit();
    void newMacro();
    void deleteMacro();
    void changeName();
    void importMacros();
    void exportMacros();
    void toggleBatch();
    void gunSet();
    bool listIsFull();
    void rebindRenamed(const QString& oldName, const QString& newName);
    bool releaseBoundButtons(const QString& name);
    void report(const QString& message, const QString& title = QString());

    DesignGeometry m_geometry;
    QListWidget* m_list = nullptr;
    OakPushButton* m_newButton = nullptr;
    OakPushButton* m_deleteMacroButton = nullptr;
    QCheckBox* m_batchCheck = nullptr;
    OakPushButton* m_importButton = nullptr;
    OakPushButton* m_exportButton = nullptr;
    OakPushButton* m_gunSetButton = nullptr;
    OakPushButton* m_startButton = nullptr;
    OakPushButton* m_stopButton = nullptr;
    MacroStepTable* m_table = nullptr;
    QVector<OakPushButton*> m_editingBar;
    OakPushButton* m_recordAfterButton = nullptr;
    OakPushButton* m_deleteButton = nullptr;
    OakPushButton* m_moveUpButton = nullptr;
    OakPushButton* m_moveDownButton = nullptr;
    OakPushButton* m_topButton = nullptr;
    OakPushButton* m_bottomButton = nullptr;
    OakPushButton* m_clearButton = nullptr;
    OakPushButton* m_editButton = nullptr;
    OakPushButton* m_copyButton = nullptr;
    OakPushButton* m_cutButton = nullptr;
    OakPushButton* m_pasteButton = nullptr;
    OakPushButton* m_insertDelayButton = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    OakPushButton* m_changeNameButton = nullptr;
    OakPushButton* m_mouseActionButton = nullptr;
    MacroSettingsPanel* m_settings = nullptr;
    MouseCommandTree* m_tree = nullptr;
    QLineEdit* m_editDelay = nullptr;
    QLineEdit* m_editDistance = nullptr;
    OakPushButton* m_saveButton = nullptr;
    OakPushButton* m_cancelButton = nullptr;

    ProfileSet* m_set = nullptr;
    MacroSteps m_steps;
    MacroRecorder m_recorder;
    QVector<MacroEvent> m_clipboard;
    std::unique_ptr<KeyboardCapture> m_capture;
    std::unique_ptr<MacroFileChooser> m_chooser;
    std::function<qint64()> m_clock;
    GunSetRunner m_runGunSet;
    QString m_shownName;
    MacroRecord m_stored; // the shown macro as its file holds it
    MacroDrafts m_drafts;
    int m_unitMs = 1;
    bool m_recording = false;
    bool m_editing = false;
    bool m_batch = false;
    int m_lastEditKey = -1;
};
