// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QFontMetrics>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>
#include <utility>

// Widgets placed at design rectangles, placed again whenever the scale
// changes, so that every size stays the design size times the scale.
class DesignGeometry
{
public:
    void add(QWidget* widget, const QRect& design) { m_places.append({widget, design}); }
    void apply(const std::function<int(int)>& scaled) const
    {
        for (const auto& place : m_places) {
            if (!place.first)
                continue;
            const QRect& r = place.second;
            place.first->setGeometry(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height()));
        }
    }

private:
    QVector<std::pair<QPointer<QWidget>, QRect>> m_places;
};

// Breaks a caption into lines that fit `width` pixels at word boundaries,
// for check boxes whose long captions would be cut otherwise.
inline QString wrappedCaption(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    lines.append(line);
    return lines.join(QLatin1Char('\n'));
}

// A check box showing a caption wrapped to its width; its accessible name
// stays the caption in one line.
inline void setWrappedCaption(QCheckBox* box, const QString& text, int indicatorWidth)
{
    box->ensurePolished(); // the style sheet decides the font
    box->setAccessibleName(text);
    box->setText(wrappedCaption(text, box->fontMetrics(), box->width() - indicatorWidth));
}
