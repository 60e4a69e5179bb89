// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/macro/MacroStepText.h"

#include "protocol/MacroSteps.h"

QString MacroStepText::keyName(quint8 usage, KeyTable::Labels labels)
{
    quint8 key = 0;
    const QString name = KeyTable::keyForUsage(usage, key) ? KeyTable::name(key, labels) : QString();
    return name.isEmpty() ? tr("Key %1").arg(usage) : name;
}

QString MacroStepText::buttonName(int button)
{
    switch (button) {
    case MacroSteps::LeftButton:
        return tr("LEFT CLICK");
    case MacroSteps::MiddleButton:
        return tr("MIDDLE CLICK");
    case MacroSteps::RightButton:
        return tr("RIGHT CLICK");
    case MacroSteps::ForwardButton:
        return tr("FORWARD");
    case MacroSteps::BackwardButton:
        return tr("BACKWARD");
    default:
        return QString();
    }
}

QString MacroStepText::moveName(int direction)
{
    switch (direction) {
    case MacroSteps::MoveLeft:
        return tr("MOVE LEFT");
    case MacroSteps::MoveRight:
        return tr("MOVE RIGHT");
    case MacroSteps::MoveUp:
        return tr("MOVE UP");
    case MacroSteps::MoveDown:
        return tr("MOVE DOWN");
    default:
        return QString();
    }
}

MacroStepText MacroStepText::describe(const MacroEvent& step, int unitMs, KeyTable::Labels labels)
{
    MacroStepText text;
    const QString pressed = step.isPress() ? tr("Press") : tr("Release");
    const QString upDown = step.isPress() ? QStringLiteral("keydown.png") : QStringLiteral("keyup.png");
    switch (step.kind()) {
    case MacroEvent::Key:
        text.action = pressed + QLatin1Char(' ') + keyName(step.DataL, labels);
        text.image = upDown;
        text.accessible = text.action;
        break;
    case MacroEvent::MouseButton:
        text.action = buttonName(MacroSteps::buttonIndex(step.DataL));
        text.image = upDown;
        text.accessible = pressed + QLatin1Char(' ') + text.action;
        break;
    case MacroEvent::MouseMove:
        text.action = moveName(MacroSteps::direction(step)) + QLatin1Char(' ') +
                      QString::number(MacroSteps::distance(step));
        text.image = QStringLiteral("mouse_move.png");
        text.accessible = text.action;
        break;
    case MacroEvent::Delay:
        text.delay = tr("%1 ms").arg(step.delayMs(unitMs));
        text.accessible = text.delay;
        break;
    default:
        break;
    }
    return text;
}
