// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/UiSettings.h"

void UiSettings::setScale(const UiScale& scale)
{
    if (scale.level == m_scale.level && scale.factor == m_scale.factor)
        return;
    m_scale = scale;
    Q_EMIT scaleChanged();
}

void UiSettings::setLanguageIndex(int index)
{
    if (index == m_languageIndex)
        return;
    m_languageIndex = index;
    Q_EMIT languageChanged();
}

void UiSettings::setThemeColor(const QColor& color)
{
    if (color == m_themeColor)
        return;
    m_themeColor = color;
    Q_EMIT themeColorChanged();
}

void UiSettings::setFont(const QFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    Q_EMIT fontChanged();
}
