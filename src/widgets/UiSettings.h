// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/UiScale.h"

#include <QColor>
#include <QFont>
#include <QObject>

// How the interface looks right now: scale, language, theme colour and
// font. One instance, owned by start-up; the window changes it, everything
// else reads it and follows its signals.
class UiSettings : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The interface font's pixel size at scale 1 when the language names none.
    static constexpr int kDefaultFontPixels = 13;

    const UiScale& scale() const { return m_scale; }
    int scaled(int designValue) const { return m_scale.scaled(designValue); }
    int languageIndex() const { return m_languageIndex; }
    QColor themeColor() const { return m_themeColor; }
    // The interface font of the current language.
    QFont font() const { return m_font; }

    void setScale(const UiScale& scale);
    void setLanguageIndex(int index);
    void setThemeColor(const QColor& color);
    void setFont(const QFont& font);

Q_SIGNALS:
    void scaleChanged();
    void languageChanged();
    void themeColorChanged();
    void fontChanged();

private:
    UiScale m_scale;
    int m_languageIndex = 0;
    QColor m_themeColor{255, 0, 0};
    QFont m_font;
};
