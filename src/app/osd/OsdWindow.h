// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/OsdRecord.h"

#include <QWidget>

class QTimer;

// The text of one message on the desktop: a frameless, translucent window
// near the bottom centre of the screen that lets every click through and
// never takes the focus, gone after the message's time.
class OsdWindow : public QWidget
{
    Q_OBJECT
public:
    explicit OsdWindow(QWidget* parent = nullptr);

    void showMessage(const OsdRecord::Message& message);
    QString text() const { return m_message.text; }
    QColor textColour() const { return m_message.colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont textFont() const;
    void place();

    OsdRecord::Message m_message;
    QTimer* m_hide = nullptr;
};
