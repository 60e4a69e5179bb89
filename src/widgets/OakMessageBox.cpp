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

OakMessageBox::OakMessageBox(QWidget* parent, Kind kind, const QString& title, const QString& text,
                             double scale, const QColor& themeColor, const QString& pictureFile)
    : QDialog(parent), m_kind(kind), m_themeColor(themeColor)
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

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_accept = new OakPushButton(this);
    m_accept->setText(tr("OK"));
    m_accept->setThemeColor(themeColor);
    m_accept->setFixedSize(px(90), px(28));
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(m_accept);
    if (kind == Ask) {
        m_reject = new OakPushButton(this);
        m_reject->setText(tr("Cancel"));
        m_reject->setThemeColor(themeColor);
        m_reject->setFixedSize(px(90), px(28));
        connect(m_reject, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(m_reject);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
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
