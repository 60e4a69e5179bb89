// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class PageEnvironment;

// The model seen from above, over the lighting page: the lighting tab would
// otherwise leave the upper half of the content area empty.
class LightingPreview : public QLabel
{
    Q_OBJECT
public:
    LightingPreview(const PageEnvironment& environment, QWidget* parent);

    // Places the picture at the scale and loads the current model's drawing
    // (a missing drawing leaves the label empty).
    void reload();

private:
    const PageEnvironment& m_environment;
};
