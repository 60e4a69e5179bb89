// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/keys/KeyDialogFrame.h"

#include "editors/PageEnvironment.h"
#include "platform/KeyboardCapture.h"
#include "protocol/KeyNormalisation.h"
#include "widgets/KitStyle.h"
#include "widgets/OakPushButton.h"
#include "widgets/SkinImage.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 32;
constexpr int kMargin = 24;
// The skin's dialog image is drawn for this size; taller dialogs draw its
// look themselves rather than stretch its title line out of place.
const QSize kImageSize(400, 258);
constexpr int kTitleLine = 48;

} // namespace

KeyDialogFrame::KeyDialogFrame(const PageEnvironment& environment, QWidget* parent, const QString& title,
                               const QSize& designSize)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_environment(environment),
      m_labels(KeyTable::labelsFor(environment.ui().languageIndex(), environment.model().frenchLanguage))
{
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(title);
    setStyleSheet(KitStyle::styleSheet(environment.ui().themeColor(), environment.ui().scale()));
    setFont(environment.ui().font());
    setFixedSize(scaled(designSize.width()), scaled(designSize.height()));
    m_useImage = designSize == kImageSize;

    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("dialogTitle"));
    m_title->setGeometry(scaled(kMargin), scaled(8), width() - scaled(2 * kMargin), scaled(36));
    QFont titleFont = font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    const QColor theme = environment.ui().themeColor();
    const int buttonY = height() - scaled(kMargin + kButtonHeight);
    m_accept = new OakPushButton(this);
    m_accept->setObjectName(QStringLiteral("msgBoxYesBtn"));
    m_accept->setText(tr("OK"));
    m_accept->setThemeColor(theme);
    m_accept->setGeometry(width() - scaled(2 * kButtonWidth + kMargin + 8), buttonY, scaled(kButtonWidth),
                          scaled(kButtonHeight));
    m_reject = new OakPushButton(this);
    m_reject->setObjectName(QStringLiteral("msgBoxNoBtn"));
    m_reject->setText(tr("Cancel"));
    m_reject->setThemeColor(theme);
    m_reject->setGeometry(width() - scaled(kButtonWidth + kMargin), buttonY, scaled(kButtonWidth),
                          scaled(kButtonHeight));
    m_accept->setAutoDefault(false);
    m_reject->setAutoDefault(false);
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_reject, &QPushButton::clicked, this, &QDialog::reject);
}

KeyDialogFrame::~KeyDialogFrame()
{
    if (m_capture)
        m_capture->stop();
}

int KeyDialogFrame::scaled(int designValue) const
{
    return m_environment.scaled(designValue);
}

QLabel* KeyDialogFrame::makeKeyDisplay(const QString& objectName)
{
    auto* label = new QLabel(this);
    label->setObjectName(objectName);
    QFont keyFont(QStringLiteral("Consolas"));
    keyFont.setStyleHint(QFont::Monospace);
    keyFont.setPixelSize(scaled(18));
    label->setFont(keyFont);
    label->setAlignment(Qt::AlignCenter);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setStyleSheet(
        QStringLiteral("QLabel { background: %1; border: 1px solid %2; border-radius: %3px; }")
            .arg(KitStyle::kPanel.name(), KitStyle::kHairline.name())
            .arg(scaled(6)));
    return label;
}

void KeyDialogFrame::setCapturing(bool capturing)
{
    m_capturing = capturing;
    // Made when first needed: a dialog that never captures holds none.
    if (capturing && !m_capture) {
        m_capture = m_environment.makeKeyboardCapture();
        if (m_capture)
            connect(m_capture.get(), &KeyboardCapture::keyCaptured, this, &KeyDialogFrame::onCaptured);
    }
    // Buttons that cannot take the focus cannot be pressed by a key either.
    const Qt::FocusPolicy policy = capturing ? Qt::NoFocus : Qt::StrongFocus;
    m_accept->setFocusPolicy(policy);
    m_reject->setFocusPolicy(policy);
    syncCapture();
}

void KeyDialogFrame::syncCapture()
{
    if (!m_capture)
        return;
    if (m_capturing && isVisible()) {
        if (!m_capture->isActive() && !m_capture->start(windowHandle()))
            qDebug() << "keyboard capture is not available";
    } else if (m_capture->isActive()) {
        m_capture->stop();
    }
}

void KeyDialogFrame::onCaptured(quint16 scanCode, quint8 flags)
{
    if (!m_capturing)
        return;
    const quint8 code = KeyNormalisation::forKeyDialog(scanCode, flags);
    if (m_hasLast && code == m_lastCode && flags == m_lastFlags)
        return;
    m_hasLast = true;
    m_lastCode = code;
    m_lastFlags = flags;
    keyCaptured(code, flags);
}

void KeyDialogFrame::keyCaptured(quint8, quint8) {}

void KeyDialogFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_useImage) {
        const QPixmap back = SkinImage::pixmap(m_environment.skinFile(QStringLiteral("dlg.png")), size(),
                                               m_environment.ui().themeColor());
        if (!back.isNull()) {
            painter.drawPixmap(rect(), back);
            return;
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(KitStyle::kHairline);
    painter.setBrush(KitStyle::kPanel);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), scaled(12), scaled(12));
    const qreal line = scaled(kTitleLine) + 0.5;
    painter.drawLine(QPointF(scaled(16), line), QPointF(width() - scaled(16), line));
}

void KeyDialogFrame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    syncCapture();
}

void KeyDialogFrame::hideEvent(QHideEvent* event)
{
    if (m_capture)
        m_capture->stop();
    QDialog::hideEvent(event);
}

void KeyDialogFrame::keyPressEvent(QKeyEvent* event)
{
    // Esc and Enter are keys to capture here, not ways to close the dialog.
    if (m_capturing) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void KeyDialogFrame::keyReleaseEvent(QKeyEvent* event)
{
    if (m_capturing) {
        event->accept();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

bool KeyDialogFrame::focusNextPrevChild(bool next)
{
    return m_capturing ? false : QDialog::focusNextPrevChild(next);
}
