// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/OakProcessDialog.h"

#include "widgets/SkinImage.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>

// The animation is compiled into a static library, whose resources register
// only when asked to. Outside any namespace, as the resource's own functions are.
static void registerSkinResources()
{
    Q_INIT_RESOURCE(skin);
}

OakProcessDialog::OakProcessDialog(const QString& backgroundFile, QWidget* parent, double scale)
    : QDialog(parent), m_backgroundFile(backgroundFile), m_scale(scale)
{
    const auto px = [scale](int design) { return int(design * scale); };
    registerSkinResources();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setFixedSize(px(kSize), px(kSize));

    m_animation = new QLabel(this);
    m_animation->setGeometry(0, 0, px(kSize), px(kSize));
    m_animation->setAlignment(Qt::AlignCenter);
    m_movie = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    if (m_movie->isValid()) {
        m_movie->jumpToFrame(0);
        m_movie->setScaledSize(m_movie->currentImage().size() * scale);
        m_animation->setMovie(m_movie);
        m_movie->start();
    } else {
        // No animation among the resources: turn a drawn arc instead.
        m_spinTimer = new QTimer(this);
        connect(m_spinTimer, &QTimer::timeout, this, [this] {
            m_spinAngle = (m_spinAngle + 30) % 360;
            update();
        });
        m_spinTimer->start(80);
    }
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("processProgress"));
    m_bar->setAccessibleName(tr("Sending to the mouse"));
    m_bar->setGeometry(px(20), px(kSize - 22), px(kSize - 40), qMax(2, px(6)));
    m_bar->setTextVisible(false);
    const int radius = m_bar->height() / 2;
    m_bar->setStyleSheet(QStringLiteral("QProgressBar { border: none; border-radius: %1px;"
                                        " background: rgba(255, 255, 255, 60); }"
                                        "QProgressBar::chunk { border-radius: %1px; background: #E8EAED; }")
                             .arg(radius));
    m_bar->hide();
    setAccessibleName(tr("Sending to the mouse"));
    centreOnParent();
}

void OakProcessDialog::setProgress(int done, int total)
{
    m_total = qMax(total, 0);
    m_bar->setVisible(total > 0);
    m_bar->setRange(0, qMax(total, 1));
    m_bar->setValue(qBound(0, done, qMax(total, 1)));
}

int OakProcessDialog::progressDone() const
{
    return m_bar->value();
}

int OakProcessDialog::progressTotal() const
{
    return m_total;
}

void OakProcessDialog::slotProcessDlg()
{
    QTimer::singleShot(0, this, &OakProcessDialog::updateProgress);
}

void OakProcessDialog::updateProgress()
{
    accept();
}

void OakProcessDialog::centreOnParent()
{
    const QWidget* owner = parentWidget();
    if (!owner)
        return;
    const QRect area = owner->geometry();
    move(area.left() + area.width() / 2 - width() / 2, area.top() + area.height() / 2 - height() / 2);
}

void OakProcessDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal ratio = devicePixelRatioF();
    QPixmap background = SkinImage::pixmap(m_backgroundFile, size() * ratio);
    if (!background.isNull()) {
        background.setDevicePixelRatio(ratio);
        painter.drawPixmap(rect(), background);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 170));
        painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 16 * m_scale, 16 * m_scale);
    }
    if (m_spinTimer) {
        painter.setPen(QPen(QColor(255, 255, 255, 220), 6 * m_scale, Qt::SolidLine, Qt::RoundCap));
        const int inset = int(36 * m_scale);
        const QRect ring = rect().adjusted(inset, inset, -inset, -inset);
        painter.drawArc(ring, -m_spinAngle * 16, 270 * 16);
    }
}
