// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileBar.h"

#include "app/ProfileOperations.h"
#include "app/WindowControls.h"
#include "storage/AppPaths.h"
#include "widgets/OakLineEdit.h"

#include <QLabel>
#include <QMenu>

namespace {
const char* const kSlotNames[ProfileBar::kSlots] = {"profileSlot1", "profileSlot2", "profileSlot3",
                                                    "profileSlot4", "profileSlot5"};
constexpr int kMaxNameLength = 100;
} // namespace

ProfileBar::ProfileBar(const UiSettings& ui, const AppPaths& paths, ProfileOperations& operations,
                       QWidget* window)
    : QObject(window), m_ui(ui), m_operations(operations), m_window(window)
{
    m_caption = new QLabel(window);
    m_caption->setObjectName(QStringLiteral("profileCaption"));
    m_profileLabel = new QLabel(window);
    m_profileLabel->setObjectName(QStringLiteral("profileLabel"));
    m_profileLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int slot = 0; slot < kSlots; ++slot) {
        OakPushButton* slotButton = button(kSlotNames[slot]);
        connect(slotButton, &QPushButton::clicked, this, [this, slot] { Q_EMIT slotChosen(slot); });
        m_slots.append(slotButton);
    }
    m_nameEditor = new OakLineEdit(window);
    m_nameEditor->setObjectName(QStringLiteral("profileNameEditor"));
    m_nameEditor->setMaxLength(kMaxNameLength);
    m_library = button("profileLibraryButton");
    m_libraryMenu = new QMenu(window);
    m_libraryMenu->setObjectName(QStringLiteral("profileLibraryMenu"));
    m_library->setMenu(m_libraryMenu);
    m_import = button("importButton");
    m_export = button("exportButton");
    const auto images = [&paths](OakPushButton* b, const QString& base) {
        b->setImages(paths.skinFile(base + QStringLiteral("1.png")),
                     paths.skinFile(base + QStringLiteral("2.png")),
                     paths.skinFile(base + QStringLiteral("3.png")));
    };
    images(m_library, QStringLiteral("profile_apply"));
    // The skin names the two the other way round: the export button shows
    // the "import" images and the import button the "export" ones.
    images(m_export, QStringLiteral("profile_import"));
    images(m_import, QStringLiteral("profile_export"));
    m_add = button("addButton");
    m_delete = button("deleteButton");
    m_copy = button("copyButton");
    m_reset = button("resetButton");
    m_resetAll = button("resetAllButton");
    m_load = button("loadButton");
    m_save = button("saveButton");
    m_ok = button("okButton");
    m_cancel = button("cancelButton");
    m_apply = button("applyButton");
    connectOperations();
    place();
    retranslate();
    showCurrentSlot(0);
}

OakPushButton* ProfileBar::button(const char* objectName)
{
    return WindowControls::textButton(m_window, objectName, m_ui);
}

void ProfileBar::connectOperations()
{
    ProfileOperations* ops = &m_operations;
    connect(m_add, &QPushButton::clicked, ops, &ProfileOperations::add);
    connect(m_delete, &QPushButton::clicked, ops, &ProfileOperations::remove);
    connect(m_copy, &QPushButton::clicked, ops, &ProfileOperations::copy);
    connect(m_reset, &QPushButton::clicked, ops, &ProfileOperations::reset);
    connect(m_resetAll, &QPushButton::clicked, ops, &ProfileOperations::resetAll);
    connect(m_import, &QPushButton::clicked, ops, &ProfileOperations::importProfile);
    connect(m_export, &QPushButton::clicked, ops, &ProfileOperations::exportProfile);
    connect(m_save, &QPushButton::clicked, ops, &ProfileOperations::saveConfiguration);
    connect(m_load, &QPushButton::clicked, ops, &ProfileOperations::loadConfiguration);
    connect(m_ok, &QPushButton::clicked, ops, &ProfileOperations::ok);
    connect(m_cancel, &QPushButton::clicked, ops, &ProfileOperations::cancel);
    connect(m_apply, &QPushButton::clicked, ops, &ProfileOperations::apply);
    connect(m_nameEditor, &QLineEdit::returnPressed, this,
            [this] { m_operations.rename(m_nameEditor->text()); });
    connect(m_libraryMenu, &QMenu::triggered, this,
            [this](QAction* action) { m_operations.choose(action->data().toString()); });
    connect(ops, &ProfileOperations::libraryChanged, this, &ProfileBar::showLibrary);
    connect(ops, &ProfileOperations::currentNameChanged, this, &ProfileBar::showName);
}

void ProfileBar::place()
{
    using WindowControls::place;
    place(m_caption, m_ui, QRect(32, 84, 96, 24));
    place(m_profileLabel, m_ui, QRect(128, 84, 120, 24));
    for (int slot = 0; slot < kSlots; ++slot)
        place(m_slots[slot], m_ui, QRect(32, 116 + 40 * slot, 216, 32));
    place(m_nameEditor, m_ui, QRect(32, 324, 104, 32));
    place(m_library, m_ui, QRect(144, 324, 32, 32));
    place(m_import, m_ui, QRect(184, 324, 32, 32));
    place(m_export, m_ui, QRect(216, 324, 32, 32));
    place(m_add, m_ui, QRect(32, 372, 68, 32));
    place(m_delete, m_ui, QRect(106, 372, 68, 32));
    place(m_copy, m_ui, QRect(180, 372, 68, 32));
    place(m_reset, m_ui, QRect(32, 416, 105, 32));
    place(m_resetAll, m_ui, QRect(143, 416, 105, 32));
    place(m_load, m_ui, QRect(32, 460, 105, 32));
    place(m_save, m_ui, QRect(143, 460, 105, 32));
    place(m_ok, m_ui, QRect(695, 576, 84, 32));
    place(m_cancel, m_ui, QRect(787, 576, 84, 32));
    place(m_apply, m_ui, QRect(879, 576, 84, 32));
    m_libraryMenu->setMinimumWidth(m_ui.scaled(216));
}

QList<QWidget*> ProfileBar::focusChain() const
{
    QList<QWidget*> chain;
    for (OakPushButton* b : m_slots)
        chain << b;
    chain << m_nameEditor << m_library << m_import << m_export << m_add << m_delete << m_copy << m_reset
          << m_resetAll << m_load << m_save << m_ok << m_cancel << m_apply;
    return chain;
}

QString ProfileBar::slotText(int slot)
{
    return tr("Profile") + QStringLiteral(" %1").arg(slot + 1);
}

void ProfileBar::retranslate()
{
    m_caption->setText(tr("Profile"));
    for (int slot = 0; slot < kSlots; ++slot)
        m_slots[slot]->setText(slotText(slot));
    m_profileLabel->setText(slotText(m_currentSlot));
    m_nameEditor->setToolTip(tr("Press Enter To Apply"));
    m_nameEditor->setAccessibleName(tr("Profile name"));
    m_library->setAccessibleName(tr("Stored profiles"));
    m_import->setAccessibleName(tr("Import"));
    m_export->setAccessibleName(tr("Export"));
    m_library->setToolTip(m_library->accessibleName());
    m_import->setToolTip(m_import->accessibleName());
    m_export->setToolTip(m_export->accessibleName());
    m_add->setText(tr("ADD"));
    m_delete->setText(tr("DELETE"));
    m_copy->setText(tr("COPY"));
    m_reset->setText(tr("RESET"));
    m_resetAll->setText(tr("Reset All"));
    m_load->setText(tr("LOAD1"));
    m_save->setText(tr("SAVE"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    m_apply->setText(tr("Apply"));
    for (OakPushButton* b :
         {m_add, m_delete, m_copy, m_reset, m_resetAll, m_load, m_save, m_ok, m_cancel, m_apply})
        b->setAccessibleName(b->text());
    for (OakPushButton* b : m_slots)
        b->setAccessibleName(b->text());
}

void ProfileBar::setEnabled(bool enabled)
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_nameEditor, m_library, m_import, m_export, m_add, m_delete, m_copy,
                                         m_reset, m_resetAll, m_load, m_save, m_ok, m_cancel, m_apply})
        w->setEnabled(enabled);
    for (OakPushButton* b : m_slots)
        b->setEnabled(enabled);
}

void ProfileBar::showCurrentSlot(int slot)
{
    m_currentSlot = slot;
    for (int i = 0; i < kSlots; ++i)
        m_slots[i]->setHighlighted(i == slot);
    m_profileLabel->setText(slotText(slot));
}

void ProfileBar::markUnsaved(int slot, bool unsaved)
{
    if (OakPushButton* button = m_slots.value(slot))
        button->setMarked(unsaved, tr("Changes not applied yet"));
}

void ProfileBar::showName(const QString& name)
{
    m_nameEditor->setText(name);
}

void ProfileBar::showLibrary(const QStringList& names)
{
    m_libraryMenu->clear();
    for (const QString& name : names) {
        QAction* action = m_libraryMenu->addAction(name);
        action->setData(name);
    }
}
