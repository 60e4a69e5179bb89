// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/lighting/OakColorWindow.h"

#include "editors/PageEnvironment.h"
#include "editors/lighting/DefaultColorArea.h"
#include "editors/lighting/EffectButton.h"
#include "editors/lighting/LightingLook.h"
#include "editors/lighting/OakColorArea.h"
#include "protocol/LightingEffects.h"
#include "storage/ProfileSet.h"
#include "widgets/KitStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

Q_LOGGING_CATEGORY(lcLighting, "mousecfg.lighting")

namespace {

namespace fx = LightingEffects;

// Design geometry: two columns, rows 44 px apart.
constexpr int kLeft = 24;
constexpr int kControl = 152;
constexpr int kControlWidth = 232;
constexpr int kDivider = 404;
constexpr int kRight = 424;
constexpr int kRowHeight = 32;
constexpr int kRows[4] = {16, 62, 108, 154};

QSlider* makeSlider(QWidget* parent, const char* name, int maximum)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(1, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    return slider;
}

QLabel* makeCaption(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(LightingLook::captionStyle());
    return label;
}

} // namespace

OakColorWindow::OakColorWindow(const PageEnvironment& environment, QWidget* parent)
    : EditorPage(environment, parent)
{
    buildControls();
    buildEffectMenu();
    connectControls();
    retranslate();
    place();
    applyLook();
}

void OakColorWindow::buildControls()
{
    m_effectCaption = makeCaption(this, "effectCaption");
    m_effectButton = new EffectButton(this);
    m_effectButton->setObjectName(QStringLiteral("effectButton"));
    m_effectMenu = m_effectButton->effectMenu();
    m_effectMenu->setObjectName(QStringLiteral("effectMenu"));

    m_brightnessCaption = makeCaption(this, "brightnessCaption");
    m_brightness = makeSlider(this, "brightnessSlider", fx::kMaxBrightness);
    m_speedCaption = makeCaption(this, "speedCaption");
    m_speed = makeSlider(this, "speedSlider", fx::kMaxSpeed);
    m_colourCaption = makeCaption(this, "colorCaption");
    m_swatch = new DefaultColorArea(this);
    m_swatch->setObjectName(QStringLiteral("colorSwatch"));

    m_sleepCaption = makeCaption(this, "sleepCaption");
    m_sleep = makeSlider(this, "sleepSlider", 1);
    m_sleepLabel = new QLabel(this);
    m_sleepLabel->setObjectName(QStringLiteral("sleepLabel"));
    m_moveLightOff = new QCheckBox(this);
    m_moveLightOff->setObjectName(QStringLiteral("moveLightOffBox"));

    setTabOrder(m_effectButton, m_brightness);
    setTabOrder(m_brightness, m_speed);
    setTabOrder(m_speed, m_swatch);
    setTabOrder(m_swatch, m_sleep);
    setTabOrder(m_sleep, m_moveLightOff);
}

// Every effect slot has an action; the unlabelled slots past the offered
// effects are never put in the menu.
void OakColorWindow::buildEffectMenu()
{
    m_effectMenu->clear();
    for (int effect = 0; effect < fx::kSlots; ++effect) {
        QAction*& action = m_effectActions[effect];
        if (!action) {
            action = new QAction(this);
            action->setObjectName(QStringLiteral("effect%1").arg(effect));
            connect(action, &QAction::triggered, this, [this, effect] { selectEffect(effect); });
        }
    }
    for (int effect : fx::menuOrder())
        m_effectMenu->addAction(m_effectActions[effect]);
}

void OakColorWindow::connectControls()
{
    for (QSlider* slider : {m_brightness, m_speed, m_sleep})
        connect(slider, &QSlider::valueChanged, this, &OakColorWindow::onSliderChanged);
    connect(m_swatch, &DefaultColorArea::ClickedSignal, this, &OakColorWindow::color_clicked);
    connect(m_moveLightOff, &QCheckBox::clicked, this, &OakColorWindow::checkbtn_clicked);
    connect(&environment().ui(), &UiSettings::themeColorChanged, this, &OakColorWindow::applyLook);
}

void OakColorWindow::retranslate()
{
    m_effectCaption->setText(tr("EFFECT"));
    m_brightnessCaption->setText(tr("BRIGHTNESS"));
    m_speedCaption->setText(tr("SPEED"));
    m_colourCaption->setText(tr("COLOR"));
    m_sleepCaption->setText(tr("SLEEP TIME"));
    m_moveLightOff->setText(tr("MOVE TO LIGHT OFF"));
    m_effectButton->setAccessibleName(tr("EFFECT"));
    m_brightness->setAccessibleName(tr("BRIGHTNESS"));
    m_speed->setAccessibleName(tr("SPEED"));
    m_swatch->setAccessibleName(tr("COLOR"));
    m_sleep->setAccessibleName(tr("SLEEP TIME"));
    for (int effect = 0; effect < fx::kSlots; ++effect)
        m_effectActions[effect]->setText(tr(fx::labelSource(effect)));
    if (m_record) {
        showEffectName(m_record->LedMode);
        showSleepLabel(m_record->LedSleepTime);
    }
}

void OakColorWindow::refresh(ProfileData& record, ProfileSet& set)
{
    m_set = &set;
    // On the model whose lighting is shared, the first profile holds it
    // whichever record the caller hands over.
    m_record = fx::sharesLightingAcrossProfiles(environment().model().modelName) ? &set.profiles[0] : &record;
    buildEffectMenu();
    showRecord();
    retranslate();
}

void OakColorWindow::reinitialise()
{
    if (m_record)
        showRecord();
}

void OakColorWindow::rescale()
{
    place();
    applyLook();
}

LedSetting* OakColorWindow::entryOf(int effect) const
{
    if (!m_record || effect < 0 || effect >= ProfileData::kLedModes)
        return nullptr;
    return &m_record->leds[effect];
}

void OakColorWindow::showRecord()
{
    m_showing = true;
    const ModelDescription& model = environment().model();
    m_sleep->setRange(model.sleepMin, model.sleepMax);
    m_sleep->setValue(m_record->LedSleepTime);
    showSleepLabel(m_record->LedSleepTime);
    m_moveLightOff->setChecked(fx::isMoveLightOff(m_record->LedMoveOFF));
    showControlsFor(m_record->LedMode);
    showEntry(m_record->LedMode);
    m_showing = false;
}

void OakColorWindow::showEntry(int effect)
{
    const bool wasShowing = m_showing;
    m_showing = true;
    const LedSetting* entry = entryOf(effect);
    m_brightness->setValue(entry ? int(qMin<quint32>(entry->bright, fx::kMaxBrightness))
                                 : fx::kMinBrightness);
    m_speed->setValue(entry ? int(qMin<quint32>(entry->breath, fx::kMaxSpeed)) : fx::kMinSpeed);
    showSwatch(entry ? entry->colour : QColor());
    showEffectName(effect);
    m_showing = wasShowing;
}

// A slot without a label (never offered, but a file may hold it) shows its
// number, so the button is never blank.
void OakColorWindow::showEffectName(int effect)
{
    const QString label = effect >= 0 && effect < fx::kSlots ? m_effectActions[effect]->text() : QString();
    m_effectButton->setText(label.isEmpty() ? QString::number(effect) : label);
    m_effectButton->setAccessibleDescription(m_effectButton->text());
}

void OakColorWindow::showSwatch(const QColor& color)
{
    m_swatch->setColor(color);
    m_swatch->setAccessibleDescription(color.isValid() ? color.name(QColor::HexRgb).toUpper() : QString());
}

void OakColorWindow::showSleepLabel(int minutes)
{
    m_sleepLabel->setText(QString::number(minutes) + tr(" MINUTE"));
}

void OakColorWindow::selectEffect(int effect)
{
    if (!m_record)
        return;
    m_record->LedMode = quint8(effect);
    showControlsFor(effect);
    showEntry(effect);
    const LedSetting* entry = entryOf(effect);
    const QColor colour = entry ? entry->colour : QColor();
    qCDebug(lcLighting, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", profileIndex(), effect,
            colour.red(), colour.green(), colour.blue());
    Q_EMIT edited();
}

void OakColorWindow::onSliderChanged()
{
    if (m_showing || !m_record)
        return;
    if (sender() == m_sleep) {
        m_record->LedSleepTime = quint8(m_sleep->value());
        showSleepLabel(m_sleep->value());
    } else if (LedSetting* entry = entryOf(m_record->LedMode)) {
        if (sender() == m_brightness)
            entry->bright = quint32(m_brightness->value());
        else if (sender() == m_speed)
            entry->breath = quint32(m_speed->value());
    }
    Q_EMIT edited();
}

void OakColorWindow::slotSendLedState(QColor color)
{
    LedSetting* entry = m_record ? entryOf(m_record->LedMode) : nullptr;
    if (!entry)
        return;
    entry->colour = color;
    qCDebug(lcLighting, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", profileIndex(),
            int(m_record->LedMode), color.red(), color.green(), color.blue());
}

void OakColorWindow::color_clicked()
{
    const LedSetting* entry = m_record ? entryOf(m_record->LedMode) : nullptr;
    if (!entry || m_editor)
        return;
    m_editor = new OakColorArea(entry->colour, environment().ui().themeColor(),
                                environment().ui().scale().factor, this);
    m_editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_editor, &QDialog::accepted, this, [this] { onColourChosen(m_editor->color()); });
    m_editor->open();
}

OakColorArea* OakColorWindow::colorEditor() const
{
    return m_editor;
}

void OakColorWindow::onColourChosen(const QColor& color)
{
    slotSendLedState(color);
    showSwatch(color);
    Q_EMIT edited();
}

void OakColorWindow::checkbtn_clicked()
{
    if (!m_record)
        return;
    m_record->LedMoveOFF = fx::moveLightOffFlag(m_moveLightOff->isChecked());
    Q_EMIT edited();
}

void OakColorWindow::showControlsFor(int effect)
{
    m_shownEffect = effect;
    place();
}

// Places every control for the effect shown: hidden rows get an empty
// geometry, and so do the sleep controls on a model that does not show them.
void OakColorWindow::place()
{
    const auto px = [this](int design) { return environment().scaled(design); };
    const auto at = [&](QWidget* w, bool shown, int x, int y, int width) {
        w->setGeometry(shown ? QRect(px(x), px(y), px(width), px(kRowHeight)) : QRect());
        w->setVisible(shown);
    };
    const fx::Controls controls = fx::controlsFor(m_shownEffect);
    const int speedRow = controls.speedInBrightnessRow ? kRows[1] : kRows[2];
    const int brightnessRow = controls.speedInBrightnessRow ? kRows[2] : kRows[1];
    const int captionWidth = kControl - kLeft - 8;

    at(m_effectCaption, true, kLeft, kRows[0], captionWidth);
    at(m_effectButton, true, kControl, kRows[0], kControlWidth);
    at(m_brightnessCaption, controls.brightness, kLeft, brightnessRow, captionWidth);
    at(m_brightness, controls.brightness, kControl, brightnessRow, kControlWidth);
    at(m_speedCaption, controls.speed, kLeft, speedRow, captionWidth);
    at(m_speed, controls.speed, kControl, speedRow, kControlWidth);
    at(m_colourCaption, controls.colour == fx::ColourControl::Full, kLeft, kRows[3], captionWidth);
    at(m_swatch, controls.colour != fx::ColourControl::None, kControl, kRows[3], 56);

    const bool sleep = environment().model().sleepShown;
    const int rightWidth = 664 - kRight - 16;
    at(m_sleepCaption, sleep, kRight, kRows[0], rightWidth);
    at(m_sleep, sleep, kRight, kRows[1], rightWidth - 88);
    at(m_sleepLabel, sleep, kRight + rightWidth - 80, kRows[1], 80);
    at(m_moveLightOff, sleep, kRight, kRows[2], rightWidth);
    update();
}

void OakColorWindow::applyLook()
{
    const QColor accent = environment().ui().themeColor();
    const double scale = environment().ui().scale().factor;
    m_effectButton->setStyleSheet(LightingLook::buttonStyle(accent, scale, true));
    m_effectButton->setScale(scale);
    m_swatch->setLook(accent, scale);
}

int OakColorWindow::profileIndex() const
{
    for (int i = 0; m_set && i < ProfileSet::kProfiles; ++i)
        if (&m_set->profiles[i] == m_record)
            return i;
    return -1;
}

void OakColorWindow::paintEvent(QPaintEvent*)
{
    if (!environment().model().sleepShown)
        return;
    QPainter painter(this);
    painter.setPen(QPen(KitStyle::kHairline, 1));
    const int x = environment().scaled(kDivider);
    painter.drawLine(x, environment().scaled(kRows[0]), x, environment().scaled(kRows[3] + kRowHeight));
}
