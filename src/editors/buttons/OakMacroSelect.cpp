// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/buttons/OakMacroSelect.h"

#include "editors/PageEnvironment.h"
#include "widgets/OakPushButton.h"

#include "editors/keys/RangeValidator.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>

namespace {

constexpr int kLeftButtonBox = 3;
constexpr int kMinLoops = 1;
constexpr int kMaxLoops = 255;

} // namespace

OakMacroSelect::OakMacroSelect(const PageEnvironment& environment, const QStringList& macroNames,
                               QWidget* parent)
    : KeyDialogFrame(environment, parent, tr("MACRO SELECT"), QSize(400, 300))
{
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("macroName"));
    m_name->setAccessibleName(tr("Macro"));
    m_name->setReadOnly(true);
    m_name->setPlaceholderText(tr("Choose a macro"));
    m_name->setGeometry(scaled(24), scaled(64), scaled(240), scaled(32));
    auto* choose = new OakPushButton(this);
    choose->setObjectName(QStringLiteral("macroChooser"));
    choose->setText(tr("Macros"));
    choose->setThemeColor(environment.ui().themeColor());
    choose->setGeometry(scaled(272), scaled(64), scaled(104), scaled(32));
    m_menu = new QMenu(choose);
    m_menu->setObjectName(QStringLiteral("macroMenu"));
    for (const QString& name : macroNames) {
        QAction* action = m_menu->addAction(name);
        connect(action, &QAction::triggered, this, [this, name] { chooseMacro(name); });
    }
    choose->setMenu(m_menu);

    const QString captions[] = {tr("LOOPS TIME(1-255)"), tr("REPEAT RUN WHEN KEY DOWN"),
                                tr("REPEAT RUN UNTILL THE KEY DOWN"), tr("Left Button Macro")};
    for (int i = 0; i < 4; ++i) {
        m_boxes[i] = new QCheckBox(captions[i], this);
        m_boxes[i]->setObjectName(QStringLiteral("macroMode%1").arg(i));
        m_boxes[i]->setGeometry(scaled(24), scaled(108 + 32 * i), i == 0 ? scaled(220) : scaled(352),
                                scaled(28));
        QCheckBox* box = m_boxes[i];
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) { onBoxToggled(box, on); });
    }
    m_loops = new QLineEdit(QStringLiteral("1"), this);
    m_loops->setObjectName(QStringLiteral("macroLoops"));
    m_loops->setAccessibleName(tr("LOOPS TIME(1-255)"));
    m_loops->setMaxLength(3);
    m_loops->setValidator(new RangeValidator(kMinLoops, kMaxLoops, m_loops));
    m_loops->setGeometry(scaled(256), scaled(106), scaled(72), scaled(32));
    m_boxes[LoopTimes]->setChecked(true);
    acceptButton()->setEnabled(false);
}

void OakMacroSelect::preset(const QString& name, int loopCount, int loopMode, bool leftButton)
{
    if (!name.isEmpty())
        chooseMacro(name);
    m_loops->setText(QString::number(qBound(kMinLoops, loopCount, kMaxLoops)));
    const int box = leftButton ? kLeftButtonBox : qBound(0, loopMode, 2);
    m_boxes[box]->setChecked(true);
}

QString OakMacroSelect::macroName() const
{
    return m_name->text();
}

int OakMacroSelect::loopMode() const
{
    for (int mode = LoopTimes; mode <= RepeatUntilPressed; ++mode) {
        if (m_boxes[mode]->isChecked())
            return mode;
    }
    return LoopTimes;
}

int OakMacroSelect::loopCount() const
{
    bool ok = false;
    const int count = m_loops->text().toInt(&ok);
    return ok && count >= kMinLoops && count <= kMaxLoops ? count : kMinLoops;
}

bool OakMacroSelect::leftButtonMacro() const
{
    return m_boxes[kLeftButtonBox]->isChecked();
}

void OakMacroSelect::chooseMacro(const QString& name)
{
    m_name->setText(name);
    // A binding without a macro would name no file.
    acceptButton()->setEnabled(!name.isEmpty());
}

void OakMacroSelect::onBoxToggled(QCheckBox* box, bool checked)
{
    if (!checked)
        return;
    for (QCheckBox* other : m_boxes) {
        if (other != box)
            other->setChecked(false);
    }
}
