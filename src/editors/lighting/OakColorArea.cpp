// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/OakColorArea.h"

#include "editors/lighting/DefaultColorArea.h"
#include "editors/lighting/HColorArea.h"
#include "editors/lighting/LightingLook.h"
#include "editors/lighting/PreviewColorArea.h"
#include "editors/lighting/SVColorArea.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>

const QColor OakColorArea::kPresets[7] = {QColor(255, 0, 0),    QColor(0, 255, 0),   QColor(0, 0, 255),
                                          QColor(0, 255, 255),  QColor(255, 255, 0), QColor(255, 0, 255),
                                          QColor(255, 255, 255)};

namespace {

const char* const kPresetNames[7] = {
    QT_TRANSLATE_NOOP("OakColorArea", "Red"),    QT_TRANSLATE_NOOP("OakColorArea", "Green"),
    QT_TRANSLATE_NOOP("OakColorArea", "Blue"),   QT_TRANSLATE_NOOP("OakColorArea", "Cyan"),
    QT_TRANSLATE_NOOP("OakColorArea", "Yellow"), QT_TRANSLATE_NOOP("OakColorArea", "Magenta"),
    QT_TRANSLATE_NOOP("OakColorArea", "White")};

const char* const kHsvNames[3] = {"hueSpin", "saturationSpin", "valueSpin"};
const char* const kRgbNames[3] = {"redSpin", "greenSpin", "blueSpin"};

// Design geometry of the editor.
constexpr int kWidth = 472;
constexpr int kHeight = 356;
constexpr int kMargin = 20;
constexpr int kSide = 216;   // the square, with room for its ring
constexpr int kColumn = 280; // left edge of the right-hand column
constexpr int kRowHeight = 26;
constexpr int kPresetSide = 28;

} // namespace

OakColorArea::OakColorArea(const QColor& initial, const QColor& accent, double scale, QWidget* parent)
    : QDialog(parent), m_model(initial), m_initial(initial), m_accent(accent), m_scale(scale)
{
    setObjectName(QStringLiteral("colorEditor"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    buildControls();
    place();
    connectControls();
    retranslate();
    showModel();
}

void OakColorArea::buildControls()
{
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("colorTitle"));
    m_title->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; }").arg(m_accent.name()));

    m_square = new SVColorArea(this);
    m_square->setObjectName(QStringLiteral("svArea"));
    m_square->setLook(m_accent, m_scale);
    m_hueBar = new HColorArea(this);
    m_hueBar->setObjectName(QStringLiteral("hueArea"));
    m_hueBar->setLook(m_accent, m_scale);
    m_preview = new PreviewColorArea(this);
    m_preview->setObjectName(QStringLiteral("previewArea"));
    m_preview->setScale(m_scale);
    m_preview->setInitialColor(m_initial);

    for (int i = 0; i < 7; ++i) {
        m_presets[i] = new DefaultColorArea(this);
        m_presets[i]->setObjectName(QStringLiteral("preset%1").arg(i));
        m_presets[i]->setColor(kPresets[i]);
        m_presets[i]->setLook(m_accent, m_scale);
    }
    for (int i = 0; i < 3; ++i) {
        m_hsvCaptions[i] = new QLabel(this);
        m_hsvCaptions[i]->setStyleSheet(LightingLook::captionStyle());
        m_hsv[i] = new QSpinBox(this);
        m_hsv[i]->setObjectName(QLatin1String(kHsvNames[i]));
        m_hsv[i]->setRange(0, i == 0 ? ColourModel::kMaxHue : ColourModel::kMaxComponent);
        m_rgb[i] = new QSpinBox(this);
        m_rgb[i]->setObjectName(QLatin1String(kRgbNames[i]));
        m_rgb[i]->setRange(0, ColourModel::kMaxComponent);
    }
    m_hexCaption = new QLabel(QStringLiteral("#"), this);
    m_hexCaption->setStyleSheet(LightingLook::captionStyle());
    m_hex = new QLineEdit(this);
    m_hex->setObjectName(QStringLiteral("hexField"));
    m_hex->setMaxLength(7);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("hexNote"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(LightingLook::noteStyle(m_accent));

    m_apply = new QPushButton(this);
    m_apply->setObjectName(QStringLiteral("applyButton"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {m_apply, m_cancel}) {
        // No default button: Enter belongs to the field that has focus.
        button->setAutoDefault(false);
        button->setStyleSheet(LightingLook::buttonStyle(m_accent, m_scale));
    }

    // Tab order: the square and the bar first, then the numbers, the
    // presets and the buttons.
    QWidget* order[] = {m_square,     m_hueBar,     m_hsv[0],     m_hsv[1],     m_hsv[2],     m_rgb[0],
                        m_rgb[1],     m_rgb[2],     m_hex,        m_presets[0], m_presets[1], m_presets[2],
                        m_presets[3], m_presets[4], m_presets[5], m_presets[6], m_apply,      m_cancel};
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void OakColorArea::place()
{
    const auto px = [this](int design) { return int(design * m_scale); };
    const auto at = [&](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(px(x), px(y), px(width), px(height));
    };
    setFixedSize(px(kWidth), px(kHeight));
    at(m_title, kMargin, 12, kWidth - 2 * kMargin, 24);
    at(m_square, kMargin - 4, 44, kSide, kSide);
    at(m_hueBar, kMargin + kSide + 4, 44, 32, kSide);
    const int right = kWidth - kMargin;
    at(m_preview, kColumn, 48, right - kColumn, 48);
    for (int i = 0; i < 3; ++i) {
        const int y = 108 + i * (kRowHeight + 8);
        at(m_hsvCaptions[i], kColumn, y, 16, kRowHeight);
        at(m_hsv[i], kColumn + 18, y, 64, kRowHeight);
        at(m_rgb[i], kColumn + 90, y, right - kColumn - 90, kRowHeight);
    }
    at(m_hexCaption, kColumn, 210, 16, kRowHeight);
    at(m_hex, kColumn + 18, 210, right - kColumn - 18, kRowHeight);
    for (int i = 0; i < 7; ++i)
        at(m_presets[i], kMargin - 4 + i * (kPresetSide + 4), 268, kPresetSide, kPresetSide);
    at(m_note, kColumn, 240, right - kColumn, 52);
    at(m_apply, right - 2 * 96 - 8, 312, 96, 30);
    at(m_cancel, right - 96, 312, 96, 30);
}

void OakColorArea::connectControls()
{
    connect(m_hueBar, &HColorArea::hueChangedSignal, this, [this](int hue) {
        m_model.setHue(hue);
        showModel();
    });
    connect(m_square, &SVColorArea::svChangedSignal, this, [this](int hue, int saturation, int value) {
        m_model.setHsv(hue, saturation, value);
        showModel();
    });
    for (int i = 0; i < 3; ++i) {
        connect(m_hsv[i], qOverload<int>(&QSpinBox::valueChanged), this, &OakColorArea::onHsvEdited);
        connect(m_rgb[i], qOverload<int>(&QSpinBox::valueChanged), this, &OakColorArea::onRgbEdited);
    }
    connect(m_hex, &QLineEdit::editingFinished, this, &OakColorArea::onHexEdited);
    for (DefaultColorArea* preset : m_presets)
        connect(preset, &DefaultColorArea::ClickedSignal, this, &OakColorArea::onPresetClicked);
    connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OakColorArea::retranslate()
{
    setWindowTitle(tr("Color Edit"));
    m_title->setText(tr("Color Edit"));
    m_square->setAccessibleName(tr("Saturation and value"));
    m_hueBar->setAccessibleName(tr("Hue"));
    m_preview->setAccessibleName(tr("Preview"));
    for (int i = 0; i < 7; ++i)
        m_presets[i]->setAccessibleName(tr(kPresetNames[i]));
    const QString hsvCaptions[3] = {tr("H"), tr("S"), tr("V")};
    const QString hsvNames[3] = {tr("Hue"), tr("Saturation"), tr("Value")};
    const QString rgbPrefixes[3] = {tr("R "), tr("G "), tr("B ")};
    const QString rgbNames[3] = {tr("Red"), tr("Green"), tr("Blue")};
    for (int i = 0; i < 3; ++i) {
        m_hsvCaptions[i]->setText(hsvCaptions[i]);
        m_hsv[i]->setAccessibleName(hsvNames[i]);
        m_rgb[i]->setPrefix(rgbPrefixes[i]);
        m_rgb[i]->setAccessibleName(rgbNames[i]);
    }
    m_hex->setAccessibleName(tr("Hexadecimal colour"));
    m_apply->setText(tr("APPLY"));
    m_cancel->setText(tr("Cancel"));
}

void OakColorArea::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void OakColorArea::showModel()
{
    m_showing = true;
    m_hueBar->setHue(m_model.hue());
    m_square->hueChangedSlot(m_model.hue());
    m_square->setSaturationValue(m_model.saturation(), m_model.value());
    const QColor colour = m_model.colour();
    m_preview->setColor(colour);
    m_hsv[0]->setValue(m_model.hue());
    m_hsv[1]->setValue(m_model.saturation());
    m_hsv[2]->setValue(m_model.value());
    m_rgb[0]->setValue(colour.red());
    m_rgb[1]->setValue(colour.green());
    m_rgb[2]->setValue(colour.blue());
    m_hex->setText(m_model.hexText());
    m_hueBar->setAccessibleDescription(QString::number(m_model.hue()));
    m_square->setAccessibleDescription(
        tr("Saturation %1, value %2").arg(m_model.saturation()).arg(m_model.value()));
    m_showing = false;
}

void OakColorArea::onHsvEdited()
{
    if (m_showing)
        return;
    m_note->clear();
    m_model.setHsv(m_hsv[0]->value(), m_hsv[1]->value(), m_hsv[2]->value());
    showModel();
}

void OakColorArea::onRgbEdited()
{
    if (m_showing)
        return;
    m_note->clear();
    m_model.setRgb(m_rgb[0]->value(), m_rgb[1]->value(), m_rgb[2]->value());
    showModel();
}

void OakColorArea::onHexEdited()
{
    if (m_showing)
        return;
    const QString entered = m_hex->text();
    if (m_model.setHexText(entered)) {
        m_note->clear();
    } else {
        m_note->setText(tr("\"%1\" is not six hexadecimal digits; the colour stays #%2.")
                            .arg(entered, m_model.hexText()));
    }
    showModel();
}

void OakColorArea::onPresetClicked()
{
    for (int i = 0; i < 7; ++i) {
        if (sender() == m_presets[i]) {
            m_note->clear();
            m_model.setColour(kPresets[i]);
            showModel();
        }
    }
}

void OakColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    const qreal radius = 10 * m_scale;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(shape, QColor(24, 26, 30, 245));
    QColor edge = m_accent;
    edge.setAlpha(160);
    painter.setPen(QPen(edge, 1));
    painter.drawPath(shape);
}
