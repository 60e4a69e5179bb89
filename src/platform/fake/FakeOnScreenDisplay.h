// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/OnScreenDisplay.h"

#include <QVector>

// Keeps every text it was given, in order.
class FakeOnScreenDisplay : public OnScreenDisplay
{
public:
    struct Shown
    {
        QString text;
        QColor color;
    };

    void showText(const QString& text, const QColor& color) override { m_shown.append({text, color}); }

    QVector<Shown> shown() const { return m_shown; }
    QStringList texts() const
    {
        QStringList texts;
        for (const Shown& s : m_shown)
            texts.append(s.text);
        return texts;
    }
    void clear() { m_shown.clear(); }

private:
    QVector<Shown> m_shown;
};
