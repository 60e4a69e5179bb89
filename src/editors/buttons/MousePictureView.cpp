// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/buttons/MousePictureView.h"

#include "editors/PageEnvironment.h"
#include "editors/buttons/MarkerButton.h"
#include "editors/buttons/OakBtnWindow.h"
#include "protocol/ButtonCatalogue.h"
#include "widgets/OakPushButton.h"
#include "widgets/SkinImage.h"

#include <QPainter>

namespace {

constexpr int kMarkerSize = 24;
constexpr int kViewButtonWidth = 64;
constexpr int kViewButtonHeight = 28;
constexpr int kViewButtonMargin = 12;

} // namespace

MousePictureView::MousePictureView(const PageEnvironment& environment, QWidget* parent)
    : EditorPage(environment, parent)
{
    m_front = new OakPushButton(this);
    m_front->setObjectName(QStringLiteral("frontViewButton"));
    m_side = new OakPushButton(this);
    m_side->setObjectName(QStringLiteral("sideViewButton"));
    connect(m_front, &QPushButton::clicked, this, [this] { onViewButton(MouseMarkers::Front); });
    connect(m_side, &QPushButton::clicked, this, [this] { onViewButton(MouseMarkers::Side); });
    retranslate();
    rescale();
}

void MousePictureView::attach(OakBtnWindow* page)
{
    m_page = page;
    connect(page, &OakBtnWindow::viewChanged, this, &MousePictureView::setView);
    connect(page, &OakBtnWindow::selectionChanged, this, &MousePictureView::showSelection);
    connect(page, &OakBtnWindow::layoutChanged, this, &MousePictureView::rebuildMarkers);
    connect(page, &OakBtnWindow::SelBtnControl, this,
            [this](OakPushButton* btn, bool over) { setHover(m_page ? m_page->recordOf(btn) : -1, over); });
    m_view = page->view();
    rebuildMarkers();
}

void MousePictureView::refresh(ProfileData&, ProfileSet&) {}

void MousePictureView::retranslate()
{
    setFont(environment().ui().font());
    m_front->setText(tr("Front"));
    m_side->setText(tr("Side"));
    rebuildMarkers();
}

void MousePictureView::rescale()
{
    const QColor theme = environment().ui().themeColor();
    m_front->setThemeColor(theme);
    m_side->setThemeColor(theme);
    const int w = environment().scaled(kViewButtonWidth);
    const int h = environment().scaled(kViewButtonHeight);
    const int margin = environment().scaled(kViewButtonMargin);
    m_side->setGeometry(width() - margin - w, margin, w, h);
    m_front->setGeometry(width() - margin - 2 * w - environment().scaled(4), margin, w, h);
    rebuildMarkers();
}

QString MousePictureView::shownPicture() const
{
    if (m_view == MouseMarkers::Front && m_hover >= 0 &&
        ButtonCatalogue::groupOf(m_hover) == ButtonCatalogue::Front) {
        const QString hover = QStringLiteral("mouse_%1.png").arg(m_hover + 1);
        if (SkinImage::exists(environment().modelPicture(hover)))
            return hover;
    }
    if (m_page && !m_page->markers().view(m_view).file.isEmpty())
        return m_page->markers().view(m_view).file;
    return m_view == MouseMarkers::Front ? QStringLiteral("Mouse.png") : QStringLiteral("_Side.png");
}

void MousePictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap picture = SkinImage::pixmap(environment().modelPicture(shownPicture()), size(),
                                              environment().ui().themeColor());
    if (!picture.isNull())
        painter.drawPixmap(rect(), picture);
}

void MousePictureView::rebuildMarkers()
{
    qDeleteAll(m_markers);
    m_markers.clear();
    updateViewButtons();
    if (!m_page)
        return;
    const MouseMarkers::Picture& picture = m_page->markers().view(m_view);
    const int size = environment().scaled(kMarkerSize);
    const QColor theme = environment().ui().themeColor();
    const double sx = picture.size.isValid() ? double(width()) / picture.size.width() : 0.0;
    const double sy = picture.size.isValid() ? double(height()) / picture.size.height() : 0.0;
    for (auto it = picture.markers.cbegin(); it != picture.markers.cend(); ++it) {
        const int record = it.key();
        if (!m_page->views().isShown(m_view, record))
            continue;
        auto* marker = new MarkerButton(record, this);
        marker->setAccent(theme);
        const bool wheel = ButtonCatalogue::groupOf(record) == ButtonCatalogue::Wheel;
        if (wheel) {
            const bool up = record == ButtonCatalogue::kWheelFirst;
            const QString base = up ? QStringLiteral("btn_up%1.png") : QStringLiteral("btn_down%1.png");
            const QSize image(size, size);
            marker->setImages(SkinImage::pixmap(environment().skinFile(base.arg(2)), image, theme),
                              SkinImage::pixmap(environment().skinFile(base.arg(1)), image, theme));
            marker->setAccessibleName(up ? tr("Wheel up") : tr("Wheel down"));
        } else {
            marker->setText(QString::number(m_page->views().number(record)));
            marker->setAccessibleName(tr("Button %1").arg(marker->text()));
        }
        marker->setGeometry(int(it.value().x() * sx) - size / 2, int(it.value().y() * sy) - size / 2, size,
                            size);
        marker->setHighlighted(record == m_selected || record == m_hover);
        connect(marker, &QAbstractButton::clicked, this, [this, record] {
            if (m_page)
                m_page->selectRecord(record);
        });
        connect(marker, &MarkerButton::hovered, this, &MousePictureView::setHover);
        marker->show();
        m_markers.insert(record, marker);
    }
    update();
}

void MousePictureView::setView(MouseMarkers::View view)
{
    if (view == m_view)
        return;
    m_view = view;
    m_hover = -1;
    rebuildMarkers();
}

void MousePictureView::onViewButton(MouseMarkers::View view)
{
    if (m_page)
        m_page->showGroup(255, view == MouseMarkers::Side ? ButtonCatalogue::Side : ButtonCatalogue::Front);
    setView(view);
}

void MousePictureView::setHover(int record, bool over)
{
    if (over)
        m_hover = record;
    else if (m_hover == record)
        m_hover = -1;
    for (MarkerButton* marker : qAsConst(m_markers))
        marker->setHighlighted(marker->record() == m_selected || marker->record() == m_hover);
    update();
}

void MousePictureView::showSelection(int record)
{
    m_selected = record;
    setHover(m_hover, m_hover >= 0);
}

void MousePictureView::updateViewButtons()
{
    m_front->setHighlighted(m_view == MouseMarkers::Front);
    m_side->setHighlighted(m_view == MouseMarkers::Side);
}
