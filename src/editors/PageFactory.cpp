// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/PageFactory.h"

#include "editors/buttons/MousePictureView.h"
#include "editors/buttons/OakBtnWindow.h"
#include "editors/dpi/OakDPIWindow.h"
#include "editors/lighting/OakColorWindow.h"
#include "editors/macro/MacroDialog.h"
#include "editors/performance/OakPointSpeed.h"
#include "editors/performance/OakReportRate.h"

namespace {

template <typename Page>
PagePlacement place(const PageEnvironment& environment, QWidget* parent, const char* objectName, int tab,
                    const QRect& geometry, PagePlacement::Record record = PagePlacement::Record::CurrentSlot)
{
    auto* page = new Page(environment, parent);
    page->setObjectName(QLatin1String(objectName));
    page->hide();
    return {page, tab, geometry, record};
}

} // namespace

QVector<PagePlacement> createTabPages(const PageEnvironment& env, QWidget* parent, int tab)
{
    QVector<PagePlacement> pages;
    switch (tab) {
    case 0:
        pages << place<OakColorWindow>(env, parent, "lightingPage", 0, QRect(285, 342, 664, 199),
                                       PagePlacement::Record::LightingSlot);
        break;
    case 1: {
        const PagePlacement pictures =
            place<MousePictureView>(env, parent, "mousePictures", 1, QRect(285, 74, 665, 266));
        const PagePlacement buttons =
            place<OakBtnWindow>(env, parent, "buttonPage", 1, QRect(285, 342, 664, 199));
        static_cast<MousePictureView*>(pictures.page)->attach(static_cast<OakBtnWindow*>(buttons.page));
        pages << pictures << buttons;
        break;
    }
    case 2:
        // The DPI page's rectangle reaches into the sensor settings' below
        // it: created later, the settings lie on top and take the pointer there.
        pages << place<OakDPIWindow>(env, parent, "dpiPage", 2, QRect(286, 75, 456, 386));
        pages << place<OakReportRate>(env, parent, "reportRatePage", 2, QRect(746, 75, 149, 200));
        pages << place<OakPointSpeed>(env, parent, "pointerPage", 2, QRect(286, 413, 506, 77));
        break;
    case 3:
        pages << place<MacroDialog>(env, parent, "macroPage", 3, QRect(285, 74, 665, 467));
        break;
    default:
        break;
    }
    return pages;
}
