// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/OakMessageBox.h"

#include "widgets/OakPushButton.h"
#include "widgets/SkinImage.h"
#include "widgets/UiSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

OakMessageBox::OakMessageBox(QWidget* parent, Kind kind, const QString& title, const QString& text,
                             double scale, const QColor& themeColor, const QString& pictureFile)
    : QDialog(parent), m_kind(kind), m_scale(scale), m_themeColor(themeColor)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    const auto px = [scale](int design) { return int(design * scale); };
    setFixedWidth(px(360));
    // A dialog is a window of its own and does not inherit its parent's font:
    // take the window's interface font, or the default size at this scale.
    QFont textFont = parent ? parent->window()->font() : font();
    if (textFont.pixelSize() <= 0)
        textFont.setPixelSize(px(UiSettings::kDefaultFontPixels));
    setFont(textFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(20), px(16), px(20), px(16));
    layout->setSpacing(px(12));

    m_title = new QLabel(title, this);
    m_title->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(themeColor.name()));
    m_title->setFont(textFont); // a label with its own style sheet takes no font from the dialog
    layout->addWidget(m_title);

    if (kind == TellWithReceiver) {
        auto* picture = new QLabel(this);
        const QSize design = SkinImage::designSize(pictureFile);
        if (design.isValid()) {
            const qreal ratio = devicePixelRatioF();
            QPixmap image = SkinImage::pixmap(pictureFile, design * scale * ratio, themeColor);
            image.setDevicePixelRatio(ratio);
            picture->setPixmap(image);
        }
        picture->setAlignment(Qt::AlignCenter);
        layout->addWidget(picture);
    }

    m_text = new QLabel(text, this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setStyleSheet(QStringLiteral("color: #e6e8ec;"));
    m_text->setFont(textFont);
    layout->addWidget(m_text);

    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    m_buttons->addStretch();
    layout->addLayout(m_buttons);
    if (kind == Choose)
        return;
    m_accept = addButton(tr("OK"));
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    if (kind == Ask) {
        m_reject = addButton(tr("Cancel"));
        connect(m_reject, &QPushButton::clicked, this, &QDialog::reject);
    }
}

OakPushButton* OakMessageBox::addButton(const QString& text)
{
    auto* button = new OakPushButton(this);
    button->setText(text);
    button->setAccessibleName(text);
    button->setThemeColor(m_themeColor);
    button->setFocusPolicy(Qt::StrongFocus);
    const int width =
        std::max(int(90 * m_scale), button->fontMetrics().horizontalAdvance(text) + int(24 * m_scale));
    button->setFixedSize(width, int(28 * m_scale));
    // Between the two stretches, after the buttons already there.
    m_buttons->insertWidget(m_buttons->count() - 1, button);
    return button;
}

void OakMessageBox::setAnswers(const QStringList& answers)
{
    qDeleteAll(m_answers);
    m_answers.clear();
    for (int i = 0; i < answers.size(); ++i) {
        OakPushButton* button = addButton(answers.at(i));
        connect(button, &QPushButton::clicked, this, [this, i] { done(i); });
        m_answers.append(button);
    }
    if (!m_answers.isEmpty())
        m_answers.first()->setDefault(true);
    // Long answers widen the box rather than squeeze its text.
    const QMargins margins = layout()->contentsMargins();
    setFixedWidth(std::max(int(360 * m_scale), m_buttons->sizeHint().width() + margins.left() + margins.right()));
}

// A box of answers closed with Escape or by the window manager took none.
void OakMessageBox::reject()
{
    if (m_kind == Choose)
        done(-1);
    else
        QDialog::reject();
}

QString OakMessageBox::title() const
{
    return m_title->text();
}
QString OakMessageBox::text() const
{
    return m_text->text();
}

void OakMessageBox::watchForPlugIn(std::function<bool()> deviceReady)
{
    m_deviceReady = std::move(deviceReady);
    if (!m_plugInTimer) {
        m_plugInTimer = new QTimer(this);
        m_plugInTimer->setInterval(100);
        connect(m_plugInTimer, &QTimer::timeout, this, &OakMessageBox::GetPlugInSignal);
    }
    m_plugInTimer->start();
}

void OakMessageBox::GetPlugInSignal()
{
    if (m_deviceReady && m_deviceReady()) {
        m_plugInTimer->stop();
        accept();
    }
}

void OakMessageBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    painter.fillPath(shape, QColor(24, 26, 30, 245));
    QColor edge = m_themeColor;
    edge.setAlpha(160);
    painter.setPen(QPen(edge, 1));
    painter.drawPath(shape);
}
