// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>

// The enable box of a DPI stage: a check button drawn with the skin's
// "DPI-ON" and "DPI-OFF" images, with a focus ring for keyboard users.
class OakStageSwitch : public QAbstractButton
{
    Q_OBJECT
public:
    OakStageSwitch(const QString& onImage, const QString& offImage, QWidget* parent = nullptr);

    void setAccent(const QColor& accent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_onImage;
    QString m_offImage;
    QColor m_accent;
};
