// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/gunset/OakGunsetDialog.h"

#include "storage/FileNames.h"
#include "widgets/KitStyle.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QSpinBox>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 372;
constexpr int kRowTop = 140;
constexpr int kRowStep = 38;

// The number of shots chosen last, offered again the next time.
int g_lastBullets = 1;

QSpinBox* spinBox(QWidget* parent, const QString& name, int minimum, int maximum, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setAlignment(Qt::AlignRight);
    // The arrow keys and the wheel step the value; the kit draws no arrows.
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

} // namespace

OakGunsetDialog::OakGunsetDialog(QWidget* parent, double scale, const QColor& themeColor)
    : QDialog(parent), m_scale(scale), m_themeColor(themeColor)
{
    setObjectName(QStringLiteral("gunSetDialog"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    const auto px = [scale](int design) { return int(design * scale); };
    setFixedSize(px(kWidth), px(kHeight));
    UiScale look;
    look.factor = scale;
    setStyleSheet(KitStyle::styleSheet(themeColor, look));

    m_title = new QLabel(this);
    m_title->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(themeColor.name()));
    m_geometry.add(m_title, QRect(20, 14, 380, 24));
    m_nameLabel = new QLabel(this);
    m_geometry.add(m_nameLabel, QRect(20, 50, 116, 28));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("gunFileNameEdit"));
    m_nameLabel->setBuddy(m_name);
    m_geometry.add(m_name, QRect(144, 50, 256, 28));

    m_bulletsButton = new OakPushButton(this);
    m_bulletsButton->setObjectName(QStringLiteral("bulletsButton"));
    m_bulletsButton->setThemeColor(themeColor);
    m_bulletsMenu = new QMenu(this);
    for (int n = 1; n <= GunFile::kMaxShots; ++n)
        m_bulletsMenu->addAction(QString::number(n), this, [this, n] { setBulletCount(n); });
    m_bulletsButton->setMenu(m_bulletsMenu);
    m_geometry.add(m_bulletsButton, QRect(20, 88, 160, 30));
    buildRows();

    m_yes = new OakPushButton(this);
    m_yes->setObjectName(QStringLiteral("yesButton"));
    m_yes->setThemeColor(themeColor);
    m_yes->setDefault(true);
    m_geometry.add(m_yes, QRect(120, 328, 84, 30));
    m_no = new OakPushButton(this);
    m_no->setObjectName(QStringLiteral("noButton"));
    m_no->setThemeColor(themeColor);
    m_geometry.add(m_no, QRect(216, 328, 84, 30));
    connect(m_yes, &QPushButton::clicked, this, &OakGunsetDialog::OnYesClick);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);

    m_geometry.apply(px);
    // Under a style sheet a font does not pass from a parent to its children.
    QFont captions = font();
    captions.setPixelSize(px(12));
    for (QWidget* child : findChildren<QWidget*>())
        child->setFont(captions);
    m_bullets = g_lastBullets;
    retranslate();
    m_name->setFocus();
}

void OakGunsetDialog::buildRows()
{
    for (int c = 0; c < 3; ++c) {
        m_headers.append(new QLabel(this));
        m_headers.last()->setAlignment(Qt::AlignCenter);
        m_geometry.add(m_headers.last(), QRect(64 + c * 116, kRowTop - 20, 104, 18));
    }
    for (int row = 0; row < GunFile::kMaxShots; ++row) {
        const int y = kRowTop + row * kRowStep;
        auto* label = new QLabel(QString::number(row + 1), this);
        m_geometry.add(label, QRect(20, y, 36, 30));
        m_rowLabels.append(label);
        m_delays.append(spinBox(this, QStringLiteral("gunDelay%1").arg(row), 1, GunFile::kMaxDelayMs, 100));
        m_pullsX.append(
            spinBox(this, QStringLiteral("gunPullX%1").arg(row), -GunFile::kMaxPull, GunFile::kMaxPull, 0));
        m_pullsY.append(
            spinBox(this, QStringLiteral("gunPullY%1").arg(row), -GunFile::kMaxPull, GunFile::kMaxPull, 0));
        m_geometry.add(m_delays.last(), QRect(64, y, 104, 30));
        m_geometry.add(m_pullsX.last(), QRect(180, y, 104, 30));
        m_geometry.add(m_pullsY.last(), QRect(296, y, 104, 30));
    }
}

void OakGunsetDialog::retranslate()
{
    setWindowTitle(tr("Gun Set"));
    m_title->setText(tr("Gun Set"));
    m_nameLabel->setText(tr("GUNFILE NAME"));
    m_headers[0]->setText(tr("DELAY(MS)"));
    m_headers[1]->setText(tr("HORIZONTAL"));
    m_headers[2]->setText(tr("VERTICAL"));
    m_yes->setText(tr("Yes"));
    m_no->setText(tr("No"));
    for (int row = 0; row < GunFile::kMaxShots; ++row) {
        const QString shot = tr("Shot %1").arg(row + 1);
        m_delays[row]->setAccessibleName(shot + QLatin1Char(' ') + tr("DELAY(MS)"));
        m_pullsX[row]->setAccessibleName(shot + QLatin1Char(' ') + tr("HORIZONTAL"));
        m_pullsY[row]->setAccessibleName(shot + QLatin1Char(' ') + tr("VERTICAL"));
    }
    setBulletCount(m_bullets);
}

void OakGunsetDialog::setBulletCount(int count)
{
    m_bullets = qBound(1, count, GunFile::kMaxShots);
    g_lastBullets = m_bullets;
    m_bulletsButton->setText(tr("BULLETS") + QStringLiteral(": %1 \u25BE").arg(m_bullets));
    m_bulletsButton->setAccessibleName(tr("BULLETS") + QStringLiteral(" %1").arg(m_bullets));
    for (int row = 0; row < GunFile::kMaxShots; ++row) {
        const bool used = row < m_bullets;
        for (QWidget* w : {static_cast<QWidget*>(m_rowLabels[row]), static_cast<QWidget*>(m_delays[row]),
                           static_cast<QWidget*>(m_pullsX[row]), static_cast<QWidget*>(m_pullsY[row])})
            w->setEnabled(used);
    }
}

void OakGunsetDialog::OnYesClick()
{
    const QString name = m_name->text();
    if (name.isEmpty()) {
        warn(tr("Please input file name."));
        return;
    }
    const QString error = FileNames::nameError(name);
    if (!error.isEmpty()) {
        warn(error);
        return;
    }
    m_shots.clear();
    for (int row = 0; row < m_bullets; ++row)
        m_shots.append(GunShot{m_delays[row]->value(), m_pullsX[row]->value(), m_pullsY[row]->value()});
    m_fileName = name;
    accept();
}

void OakGunsetDialog::warn(const QString& text)
{
    if (m_warning)
        m_warning->close();
    m_warning = new OakMessageBox(this, OakMessageBox::Tell, tr("Warning"), text, m_scale, m_themeColor);
    m_warning->setAttribute(Qt::WA_DeleteOnClose);
    m_warning->open();
}

void OakGunsetDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    painter.fillPath(shape, QColor(0x24, 0x27, 0x2E));
    painter.setPen(QPen(QColor(0x32, 0x36, 0x3E), 1));
    painter.drawPath(shape);
}

OakMessageBox* OakGunsetDialog::warning() const
{
    return m_warning.data();
}
