// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/keys/OakFireKeyWindow.h"

#include "editors/keys/RangeValidator.h"
#include "widgets/OakPushButton.h"
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kFieldChars = 3;

int fieldValue(const QLineEdit* field, int fallback)
{
    bool ok = false;
    const int value = field->text().toInt(&ok);
    return ok && value >= FireKey::kMinField && value <= FireKey::kMaxField ? value : fallback;
}

} // namespace

OakFireKeyWindow::OakFireKeyWindow(const PageEnvironment& environment, QWidget* parent)
    : KeyDialogFrame(environment, parent, tr("FireKey Setting"), QSize(400, 330))
{
    m_targets = new QButtonGroup(this);
    m_targets->setExclusive(true);
    const QString captions[] = {tr("Left"), tr("Right"), tr("Middle"), tr("Keyboard Key")};
    const char* names[] = {"fireLeft", "fireRight", "fireMiddle", "fireKeyboard"};
    for (int id = 0; id < 4; ++id) {
        auto* box = new QCheckBox(captions[id], this);
        box->setObjectName(QLatin1String(names[id]));
        box->setGeometry(scaled(24 + 176 * (id % 2)), scaled(60 + 32 * (id / 2)), scaled(172), scaled(28));
        m_targets->addButton(box, id);
    }
    m_display = makeKeyDisplay(QStringLiteral("keyDisplay"));
    m_display->setAccessibleName(tr("Captured key"));
    m_display->setGeometry(scaled(24), scaled(132), scaled(352), scaled(44));
    m_times = makeField(QStringLiteral("timesEdit"), tr("Times:"), 188);
    m_delay = makeField(QStringLiteral("delayEdit"), tr("Delay:"), 228);
    m_times->setText(QString::number(FireKey::kDefaultTimes));
    m_delay->setText(QString::number(FireKey::kDefaultDelay));

    connect(m_targets, &QButtonGroup::idClicked, this, &OakFireKeyWindow::onTargetChosen);
    connect(m_times, &QLineEdit::textEdited, this, &OakFireKeyWindow::emitValue);
    connect(qApp, &QApplication::focusChanged, this, &OakFireKeyWindow::onFocusChanged);
    setTarget(FireKey::Left);
}

OakFireKeyWindow::~OakFireKeyWindow()
{
    // Hiding the dialog while it is destroyed moves the focus: this part of
    // it must not hear of that any more.
    disconnect(qApp, nullptr, this, nullptr);
}

QLineEdit* OakFireKeyWindow::makeField(const QString& objectName, const QString& caption, int y)
{
    auto* label = new QLabel(caption, this);
    label->setGeometry(scaled(24), scaled(y), scaled(96), scaled(32));
    label->setObjectName(objectName + QStringLiteral("Caption"));
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setAccessibleName(caption);
    field->setMaxLength(kFieldChars);
    field->setValidator(new RangeValidator(FireKey::kMinField, FireKey::kMaxField, field));
    field->setGeometry(scaled(128), scaled(y), scaled(72), scaled(32));
    label->setBuddy(field);
    // Return leaves the field for the key display; the Return key itself
    // must not become the captured key.
    connect(field, &QLineEdit::returnPressed, this, [this] {
        m_skipNextKey = true;
        m_display->setFocus();
    });
    return field;
}

void OakFireKeyWindow::preset(const ButtonAssignment& button)
{
    const FireKey fire = FireKey::fromRecord(button);
    m_times->setText(QString::number(fire.times));
    m_delay->setText(QString::number(fire.delay));
    setTarget(fire.target);
    if (fire.target == FireKey::KeyboardKey) {
        m_keyCode = fire.keyCode;
        m_display->setText(keyName(fire.keyCode));
    }
    updateAccept();
}

FireKey OakFireKeyWindow::fireKey() const
{
    FireKey fire;
    fire.target = m_target;
    fire.keyCode = m_target == FireKey::KeyboardKey ? m_keyCode : 0;
    fire.times = fieldValue(m_times, FireKey::kDefaultTimes);
    fire.delay = fieldValue(m_delay, FireKey::kDefaultDelay);
    return fire;
}

QString OakFireKeyWindow::shownKey() const
{
    return m_display->text();
}

void OakFireKeyWindow::setTarget(FireKey::Target target)
{
    m_target = target;
    m_targets->button(target)->setChecked(true);
    if (target == FireKey::KeyboardKey) {
        m_display->setFocus();
    } else {
        m_keyCode = 0;
        m_display->clear();
    }
    forgetLastKey();
    updateCapture();
    updateAccept();
}

void OakFireKeyWindow::onTargetChosen(int id)
{
    setTarget(FireKey::Target(id));
    emitValue();
}

void OakFireKeyWindow::onFocusChanged(QWidget*, QWidget*)
{
    updateCapture();
}

void OakFireKeyWindow::updateAccept()
{
    // A keyboard target without a key would be stored as target byte 0,
    // which reads back as "Left": refuse it until a key is captured.
    quint8 usage = 0;
    acceptButton()->setEnabled(m_target != FireKey::KeyboardKey || KeyTable::usageForKey(m_keyCode, usage));
}

void OakFireKeyWindow::updateCapture()
{
    const QWidget* focus = QApplication::focusWidget();
    const bool typing = focus == m_times || focus == m_delay;
    setCapturing(m_target == FireKey::KeyboardKey && !typing);
}

void OakFireKeyWindow::keyCaptured(quint8 keyCode, quint8 flags)
{
    Q_UNUSED(flags)
    const QWidget* focus = QApplication::focusWidget();
    if (m_target != FireKey::KeyboardKey || focus == m_times || focus == m_delay)
        return;
    if (m_skipNextKey) {
        m_skipNextKey = false;
        return;
    }
    m_keyCode = keyCode;
    m_display->setText(keyName(keyCode));
    updateAccept();
}

void OakFireKeyWindow::mousePressEvent(QMouseEvent* event)
{
    m_display->setFocus();
    KeyDialogFrame::mousePressEvent(event);
}

void OakFireKeyWindow::emitValue()
{
    const FireKey fire = fireKey();
    Q_EMIT SetFireKeyValue(fire.keyCode, int(fire.target), fire.times, fire.delay);
}
