// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/buttons/ButtonViews.h"

#include "protocol/ButtonCatalogue.h"
#include "storage/ModelDescription.h"

#include <algorithm>

ButtonViews::ButtonViews(const ModelDescription& model, const MouseMarkers& markers)
{
    for (int i = 0; i < model.buttonCount && i < ModelDescription::kButtonSlots; ++i) {
        if (model.buttonShown[i])
            m_front.append(i);
    }
    int next = 0;
    for (int record : m_front)
        m_numbers[record] = ++next;
    const auto& side = markers.view(MouseMarkers::Side).markers;
    for (auto it = side.cbegin(); it != side.cend(); ++it) {
        const int record = it.key();
        if (ButtonCatalogue::groupOf(record) == ButtonCatalogue::Side) {
            m_numbers[record] = ++next;
            m_side.append(record);
        } else if (m_numbers[record] != 0) {
            m_side.append(record);
        }
    }
    std::sort(m_side.begin(), m_side.end(), [this](int a, int b) { return m_numbers[a] < m_numbers[b]; });
}

QVector<int> ButtonViews::numberedRecords(MouseMarkers::View view) const
{
    return view == MouseMarkers::Front ? m_front : m_side;
}

bool ButtonViews::isShown(MouseMarkers::View view, int record) const
{
    if (view == MouseMarkers::Front && ButtonCatalogue::groupOf(record) == ButtonCatalogue::Wheel)
        return true;
    return numberedRecords(view).contains(record);
}

int ButtonViews::number(int record) const
{
    return record >= 0 && record < ButtonCatalogue::kRecords ? m_numbers[record] : 0;
}
