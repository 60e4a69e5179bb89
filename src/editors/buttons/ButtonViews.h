// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/MouseMarkers.h"

#include <QVector>

struct ModelDescription;

// Which buttons each view of the button page shows and the number each one
// carries, the same on the label buttons and on the picture's markers. The
// front view shows the front-group buttons the product description lists
// (an entry of -1 hides one) and the two wheel records; the side view shows
// every record that has a marker on the side picture. A button keeps its
// number in both views.
class ButtonViews
{
public:
    ButtonViews() = default;
    ButtonViews(const ModelDescription& model, const MouseMarkers& markers);

    // Records with a numbered label in the view, in the order of their rows.
    QVector<int> numberedRecords(MouseMarkers::View view) const;
    bool isShown(MouseMarkers::View view, int record) const;
    // 1-based; 0 for the wheel records and records without a number.
    int number(int record) const;

private:
    QVector<int> m_front;
    QVector<int> m_side;
    int m_numbers[42] = {};
};
