// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/keys/OakSingleKeyWindow.h"

#include <QDebug>
#include <QLabel>

OakSingleKeyWindow::OakSingleKeyWindow(const PageEnvironment& environment, QWidget* parent)
    : KeyDialogFrame(environment, parent, tr("Single Key"), QSize(400, 258))
{
    m_hint = new QLabel(tr("Press the key for this button."), this);
    m_hint->setObjectName(QStringLiteral("keyHint"));
    m_hint->setGeometry(scaled(24), scaled(60), scaled(352), scaled(28));
    m_display = makeKeyDisplay(QStringLiteral("keyDisplay"));
    m_display->setAccessibleName(tr("Captured key"));
    m_display->setGeometry(scaled(24), scaled(100), scaled(352), scaled(56));
    setCapturing(true);
    m_display->setFocus();
}

void OakSingleKeyWindow::preset(quint8 keyCode)
{
    m_keyCode = keyCode;
    m_display->setText(keyName(keyCode));
}

QString OakSingleKeyWindow::shownText() const
{
    return m_display->text();
}

void OakSingleKeyWindow::keyCaptured(quint8 keyCode, quint8 flags)
{
    Q_UNUSED(flags)
    m_keyCode = keyCode;
    m_display->setText(keyName(keyCode));
    qDebug("%d", keyCode);
}
