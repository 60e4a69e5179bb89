// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/macro/MacroDialog.h"

#include "editors/PageEnvironment.h"
#include "editors/gunset/OakGunsetDialog.h"
#include "editors/macro/MacroFileChooser.h"
#include "editors/macro/MacroSettingsPanel.h"
#include "editors/macro/MacroStepTable.h"
#include "editors/macro/MouseCommandTree.h"
#include "platform/KeyboardCapture.h"
#include "widgets/OakPushButton.h"

#include <QCheckBox>
#include <QDebug>
#include <QElapsedTimer>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// Design geometry of the page (665 x 467): the macro list on the left, the
// step table, the editing bar, and the name, settings and mouse commands on
// the right.
constexpr int kListX = 8, kListW = 150;
constexpr int kTableX = 166, kTableW = 240;
constexpr int kBarX = 414, kBarW = 96;
constexpr int kSideX = 518, kSideW = 139;
constexpr int kBarStep = 38;

} // namespace

MacroDialog::MacroDialog(const PageEnvironment& environment, QWidget* parent)
    : EditorPage(environment, parent), m_chooser(std::make_unique<MacroFileDialogs>())
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    m_clock = [timer] { return timer->elapsed(); };
    m_runGunSet = [this](QString* name, QVector<GunShot>* shots) {
        OakGunsetDialog dialog(this, this->environment().ui().scale().factor,
                               this->environment().ui().themeColor());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *name = dialog.fileName();
        *shots = dialog.shots();
        return true;
    };
    m_unitMs = qMax(1, environment.model().minDelay);
    buildControls();
    retranslate();
    rescale();
    // Each language has its own interface font.
    connect(&environment.ui(), &UiSettings::fontChanged, this, &MacroDialog::rescaleWhenShown);
    reloadList(QString());
}

MacroDialog::~MacroDialog()
{
    if (m_capture && m_capture->isActive())
        m_capture->stop();
}

OakPushButton* MacroDialog::addButton(const char* objectName, const QRect& design)
{
    auto* button = new OakPushButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setThemeColor(environment().ui().themeColor());
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QPushButton::clicked, this, &MacroDialog::onButtonClicked);
    m_geometry.add(button, design);
    return button;
}

void MacroDialog::buildControls()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    m_geometry.add(m_list, QRect(kListX, 8, kListW, 323));
    connect(m_list, &QListWidget::itemClicked, this, &MacroDialog::itemClicked);
    connect(m_list, &QListWidget::itemActivated, this, &MacroDialog::itemClicked);
    m_newButton = addButton("newMacroButton", QRect(kListX, 339, 36, 32));
    m_deleteMacroButton = addButton("deleteMacroButton", QRect(kListX + 40, 339, 36, 32));
    m_batchCheck = new QCheckBox(this);
    m_batchCheck->setObjectName(QStringLiteral("batchCheck"));
    connect(m_batchCheck, &QCheckBox::clicked, this, &MacroDialog::onButtonClicked);
    m_geometry.add(m_batchCheck, QRect(kListX + 84, 339, 66, 32));
    m_importButton = addButton("importButton", QRect(kListX, 379, 73, 32));
    m_exportButton = addButton("exportButton", QRect(kListX + 77, 379, 73, 32));
    m_gunSetButton = addButton("gunSetButton", QRect(kListX, 427, kListW, 32));

    m_startButton = addButton("startButton", QRect(kTableX, 8, kTableW, 32));
    m_stopButton = addButton("stopButton", QRect(kTableX, 8, kTableW, 32));
    m_stopButton->hide();
    m_stopButton->setHighlighted(true); // recording: the one control that acts
    m_table = new MacroStepTable(this);
    m_table->setObjectName(QStringLiteral("stepTable"));
    m_geometry.add(m_table, QRect(kTableX, 48, kTableW, 411));
    connect(m_table, &MacroStepTable::CurrentChanged, this, &MacroDialog::CurrentChanged);

    const char* bar[] = {"recordAfterButton", "deleteStepButton", "moveUpButton", "moveDownButton",
                         "topButton",         "bottomButton",     "clearButton",  "editButton",
                         "copyButton",        "cutButton",        "pasteButton",  "insertDelayButton"};
    for (int i = 0; i < 12; ++i)
        m_editingBar.append(addButton(bar[i], QRect(kBarX, 8 + i * kBarStep, kBarW, 32)));
    m_recordAfterButton = m_editingBar[0];
    m_deleteButton = m_editingBar[1];
    m_moveUpButton = m_editingBar[2];
    m_moveDownButton = m_editingBar[3];
    m_topButton = m_editingBar[4];
    m_bottomButton = m_editingBar[5];
    m_clearButton = m_editingBar[6];
    m_editButton = m_editingBar[7];
    m_copyButton = m_editingBar[8];
    m_cutButton = m_editingBar[9];
    m_pasteButton = m_editingBar[10];
    m_insertDelayButton = m_editingBar[11];

    m_nameLabel = new QLabel(this);
    m_geometry.add(m_nameLabel, QRect(kSideX, 8, kSideW, 20));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("macroNameEdit"));
    m_nameLabel->setBuddy(m_nameEdit);
    m_geometry.add(m_nameEdit, QRect(kSideX, 30, kSideW, 28));
    m_changeNameButton = addButton("changeNameButton", QRect(kSideX, 62, kSideW, 28));
    m_mouseActionButton = addButton("mouseActionButton", QRect(kSideX, 98, kSideW, 28));
    m_mouseActionButton->setCheckable(true);

    m_settings = new MacroSettingsPanel(this);
    m_settings->setObjectName(QStringLiteral("macroSettings"));
    m_geometry.add(m_settings, QRect(kSideX, 134, kSideW, MacroSettingsPanel::kDesignHeight));
    connect(m_settings, &MacroSettingsPanel::changed, this, &MacroDialog::noteShownEdit);
    m_tree = new MouseCommandTree(this);
    m_tree->setObjectName(QStringLiteral("mouseCommandTree"));
    m_tree->hide();
    m_geometry.add(m_tree, QRect(kSideX, 134, kSideW, MacroSettingsPanel::kDesignHeight));
    connect(m_tree, &MouseCommandTree::clickRequested, this, &MacroDialog::onClickCommand);
    connect(m_tree, &MouseCommandTree::buttonChangeRequested, this, &MacroDialog::onButtonChangeCommand);
    connect(m_tree, &MouseCommandTree::moveRequested, this, &MacroDialog::onMoveCommand);

    m_editDelay = new QLineEdit(this);
    m_editDelay->setObjectName(QStringLiteral("editDelayEdit"));
    m_editDelay->setMaxLength(5);
    m_editDelay->setValidator(new QIntValidator(10, 65535, m_editDelay));
    m_geometry.add(m_editDelay, QRect(kSideX, 382, 66, 28));
    connect(m_editDelay, &QLineEdit::textEdited, this, &MacroDialog::EditDelayChanged);
    m_editDistance = new QLineEdit(this);
    m_editDistance->setObjectName(QStringLiteral("editDistanceEdit"));
    m_editDistance->setMaxLength(5);
    m_editDistance->setValidator(new QIntValidator(1, 99999, m_editDistance));
    m_geometry.add(m_editDistance, QRect(kSideX + 73, 382, 66, 28));
    connect(m_editDistance, &QLineEdit::textEdited, this, &MacroDialog::EditMoveChanged);

    m_saveButton = addButton("saveButton", QRect(kSideX, 427, 66, 32));
    m_cancelButton = addButton("cancelButton", QRect(kSideX + 73, 427, 66, 32));
}

void MacroDialog::retranslate()
{
    m_newButton->setText(QStringLiteral("+"));
    m_newButton->setToolTip(tr("NEW"));
    m_newButton->setAccessibleName(tr("NEW"));
    m_deleteMacroButton->setText(QString(QChar(0x2212)));
    m_deleteMacroButton->setToolTip(tr("DELETE"));
    m_deleteMacroButton->setAccessibleName(tr("DELETE"));
    m_list->setAccessibleName(tr("Macros"));
    m_batchCheck->setText(tr("BATCH"));
    m_importButton->setText(tr("IMPORT"));
    m_exportButton->setText(tr("EXPORT"));
    m_gunSetButton->setText(tr("GUN SET"));
    m_startButton->setText(tr("START"));
    m_stopButton->setText(tr("STOP"));
    const char* bar[] = {QT_TR_NOOP("RECORD AFTER"), QT_TR_NOOP("DELETE"), QT_TR_NOOP("MOVE UP"),
                         QT_TR_NOOP("MOVE DOWN"),    QT_TR_NOOP("TOP"),    QT_TR_NOOP("BOTTOM"),
                         QT_TR_NOOP("CLEAR"),        QT_TR_NOOP("EDIT"),   QT_TR_NOOP("COPY"),
                         QT_TR_NOOP("CUT"),          QT_TR_NOOP("PASTE"),  QT_TR_NOOP("INSERT DELAY")};
    for (int i = 0; i < m_editingBar.size(); ++i)
        m_editingBar[i]->setText(tr(bar[i]));
    m_deleteButton->setAccessibleName(tr("Delete step"));
    m_table->setAccessibleName(tr("Steps"));
    m_table->retranslate();
    m_nameLabel->setText(tr("MACRO NAME"));
    m_changeNameButton->setText(tr("CHANGE NAME"));
    m_mouseActionButton->setText(tr("MOUSE ACTION"));
    m_tree->setAccessibleName(tr("MOUSE COMMAND"));
    m_tree->retranslate();
    m_settings->retranslate();
    m_editDelay->setPlaceholderText(tr("ms"));
    m_editDelay->setAccessibleName(tr("Delay of the step, in milliseconds"));
    m_editDistance->setPlaceholderText(tr("px"));
    m_editDistance->setAccessibleName(tr("Distance of the move"));
    m_saveButton->setText(tr("SAVE"));
    m_cancelButton->setText(tr("CANCEL"));
    showSteps(m_table->selectedRow());
}

void MacroDialog::rescale()
{
    const auto scaled = [this](int design) { return environment().scaled(design); };
    // Under the window's style sheet a font does not pass from a parent to
    // its children, so every control on the page gets it.
    QFont captions = environment().ui().font();
    captions.setPixelSize(scaled(12));
    setFont(captions);
    for (QWidget* child : findChildren<QWidget*>())
        child->setFont(captions);
    m_geometry.apply(scaled);
    m_settings->rescale(scaled);
    m_tree->rescale(scaled);
    m_table->setLook([this](const QString& name) { return environment().skinFile(name); }, scaled(16));
    showSteps(m_table->selectedRow());
}

void MacroDialog::reinitialise()
{
    if (m_recording)
        stopRecording();
    leaveEditMode();
    m_unitMs = qMax(1, environment().model().minDelay);
    reloadList(m_shownName);
}

void MacroDialog::refresh(ProfileData&, ProfileSet& set)
{
    m_set = &set;
}

void MacroDialog::setFileChooser(std::unique_ptr<MacroFileChooser> chooser)
{
    m_chooser = std::move(chooser);
}

void MacroDialog::setClock(std::function<qint64()> clock)
{
    m_clock = std::move(clock);
}

void MacroDialog::setGunSetRunner(GunSetRunner runner)
{
    m_runGunSet = std::move(runner);
}

void MacroDialog::SelectRow(int row)
{
    qDebug("SelectRow %d", row);
    m_table->selectRow(row);
}

void MacroDialog::onButtonClicked()
{
    QObject* button = sender();
    if (button == m_startButton || button == m_recordAfterButton)
        startRecording(button == m_recordAfterButton);
    else if (button == m_stopButton)
        stopRecording();
    else if (button == m_newButton)
        newMacro();
    else if (button == m_deleteMacroButton)
        deleteMacro();
    else if (button == m_changeNameButton)
        changeName();
    else if (button == m_importButton)
        importMacros();
    else if (button == m_exportButton)
        exportMacros();
    else if (button == m_batchCheck)
        toggleBatch();
    else if (button == m_gunSetButton)
        gunSet();
    else if (button == m_saveButton) {
        leaveEditMode();
        saveShownMacro();
    } else if (button == m_cancelButton) {
        leaveEditMode();
        m_drafts.remove(m_shownName);
        loadMacro(m_shownName);
        Q_EMIT edited();
    } else if (button == m_mouseActionButton) {
        m_tree->setVisible(m_mouseActionButton->isChecked());
        m_settings->setVisible(!m_mouseActionButton->isChecked());
    } else if (button == m_editButton)
        enterEditMode();
    else
        editingBarAction(button);
}

void MacroDialog::setControlsEnabled(bool enabled)
{
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != m_stopButton)
            child->setEnabled(enabled);
    }
    if (enabled)
        updateEditingBar();
}

void MacroDialog::updateEditingBar()
{
    const bool listed = m_list->count() > 0;
    m_startButton->setEnabled(listed && !m_editing);
    m_recordAfterButton->setEnabled(listed && !m_editing);
    m_editDelay->setEnabled(m_editing);
    m_editDistance->setEnabled(m_editing);
}
