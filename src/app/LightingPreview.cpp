// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LightingPreview.h"

#include "editors/PageEnvironment.h"
#include "widgets/SkinImage.h"

namespace {
const QRect kDesign(285, 74, 665, 266);
}

LightingPreview::LightingPreview(const PageEnvironment& environment, QWidget* parent)
    : QLabel(parent), m_environment(environment)
{
    setObjectName(QStringLiteral("lightingPreview"));
    setAlignment(Qt::AlignCenter);
    reload();
}

void LightingPreview::reload()
{
    setGeometry(m_environment.scaled(kDesign.x()), m_environment.scaled(kDesign.y()),
                m_environment.scaled(kDesign.width()), m_environment.scaled(kDesign.height()));
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = SkinImage::pixmap(m_environment.modelPicture(QStringLiteral("Mouse.png")),
                                        size() * ratio, m_environment.ui().themeColor());
    picture.setDevicePixelRatio(ratio);
    setPixmap(picture);
    setAccessibleName(m_environment.model().modelName);
}
