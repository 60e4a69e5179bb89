// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/performance/OakPointSpeed.h"

#include "editors/PageEnvironment.h"
#include "editors/UserPrompts.h"
#include "editors/performance/PerformanceLook.h"
#include "platform/ProgramLauncher.h"
#include "storage/ProfileSet.h"

#include <QButtonGroup>
#include <QDebug>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <utility>

using SensorSettingsLayout::Row;

namespace {

// The values the buttons store. Angle snapping goes to the mouse as it is
// stored, as a flag like sync: 1 is on.
constexpr int kOn = 1;
constexpr int kOff = 0;
constexpr int kJitterOn = 0;
constexpr int kJitterOff = 1;

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

OakPointSpeed::OakPointSpeed(const PageEnvironment& environment, QWidget* parent)
    : EditorPage(environment, parent), m_keyCaption(makeLabel(this, "keyResponseCaption")),
      m_keySlider(new QSlider(Qt::Horizontal, this)), m_keyNumber(makeLabel(this, "keyResponseNumber")),
      m_scrollCaption(makeLabel(this, "scrollSpeedCaption")), m_scrollSpin(new QSpinBox(this)),
      m_mouseButton(new QPushButton(this))
{
    m_keySlider->setObjectName(QStringLiteral("keyResponseSlider"));
    m_keySlider->setRange(kMinKeyResponse, kMaxKeyResponse);
    m_keySlider->setSingleStep(1);
    m_keySlider->setPageStep(5);
    m_keySlider->setFocusPolicy(Qt::StrongFocus);
    m_scrollSpin->setObjectName(QStringLiteral("scrollSpeedSpin"));
    m_scrollSpin->setRange(kMinScrollSpeed, kMaxScrollSpeed);
    m_mouseButton->setObjectName(QStringLiteral("mouseSettingButton"));
    m_mouseButton->setFocusPolicy(Qt::StrongFocus);
    connect(m_keySlider, &QSlider::valueChanged, this, &OakPointSpeed::onKeyResponseChanged);
    connect(m_scrollSpin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &OakPointSpeed::sValueChangedSlot);
    connect(m_mouseButton, &QPushButton::clicked, this, &OakPointSpeed::onMouseSetting);

    m_pairs << makePair(Row::Sync, "sync", kOn, kOff, &ProfileSet::Sync)
            << makePair(Row::Lift, "lift", 1, 2, &ProfileSet::LiftHigh)
            << makePair(Row::Angle, "angle", kOn, kOff, &ProfileSet::AngleValue)
            << makePair(Row::Jitter, "jitter", kJitterOn, kJitterOff, &ProfileSet::Jitter);
    // Another language may bring another font; the accent marks focus.
    connect(&environment.ui(), &UiSettings::fontChanged, this, &OakPointSpeed::rescaleWhenShown);
    connect(&environment.ui(), &UiSettings::themeColorChanged, this, &OakPointSpeed::rescale);
    retranslate();
    reinitialise();
}

OakPointSpeed::Pair OakPointSpeed::makePair(Row row, const char* name, int firstValue, int secondValue,
                                            quint8 ProfileSet::*field)
{
    const QString base = QLatin1String(name);
    Pair pair{row,
              makeLabel(this, (base + QStringLiteral("Caption")).toLatin1().constData()),
              new QButtonGroup(this),
              new QRadioButton(this),
              new QRadioButton(this),
              field};
    pair.first->setObjectName(base + QStringLiteral("First"));
    pair.second->setObjectName(base + QStringLiteral("Second"));
    pair.group->setExclusive(true);
    pair.group->addButton(pair.first, firstValue);
    pair.group->addButton(pair.second, secondValue);
    connect(pair.first, &QRadioButton::clicked, this, &OakPointSpeed::checkbtn_clicked);
    connect(pair.second, &QRadioButton::clicked, this, &OakPointSpeed::checkbtn_clicked);
    return pair;
}

int OakPointSpeed::shownValue(Row row, quint8 stored)
{
    switch (row) {
    case Row::Lift:
        return stored == 1 ? 1 : 2;
    case Row::Jitter:
        return stored == 0 ? kJitterOn : kJitterOff;
    default: // sync and angle snapping: any non-zero value is on
        return stored != 0 ? kOn : kOff;
    }
}

void OakPointSpeed::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
    {
        const QSignalBlocker blocker(m_keySlider);
        m_keySlider->setValue(std::clamp<int>(set.Debounce, kMinKeyResponse, kMaxKeyResponse));
        m_keyNumber->setText(QStringLiteral("%1").arg(m_keySlider->value()));
    }
    {
        const QSignalBlocker blocker(m_scrollSpin);
        m_scrollSpin->setValue(std::clamp<int>(record.scrollspeed, kMinScrollSpeed, kMaxScrollSpeed));
    }
    for (const Pair& pair : std::as_const(m_pairs)) {
        const QSignalBlocker blocker(pair.group);
        pair.group->button(shownValue(pair.row, set.*pair.field))->setChecked(true);
    }
}

// What the shown controls hold goes to the mouse: a stored value that the
// page shows as another (a key response of 0 shown as 5, say) is sent as
// shown. Controls this model does not show leave their values alone.
void OakPointSpeed::collect(ProfileSet& set)
{
    if (!m_set)
        return;
    const int mode = environment().model().syncMode;
    if (SensorSettingsLayout::shows(mode, Row::KeyResponse))
        set.Debounce = quint8(m_keySlider->value());
    for (const Pair& pair : std::as_const(m_pairs)) {
        if (SensorSettingsLayout::shows(mode, pair.row))
            set.*pair.field = quint8(pair.group->checkedId());
    }
}

void OakPointSpeed::sValueChangedSlot(int s)
{
    qDebug("slider_clicked 1 = %d", s);
    if (!m_record)
        return;
    m_record->scrollspeed = quint8(s);
    Q_EMIT edited();
}

void OakPointSpeed::onKeyResponseChanged(int value)
{
    m_keyNumber->setText(QStringLiteral("%1").arg(value));
    qDebug("slider_clicked 1 = %d", value);
    if (!m_set)
        return;
    m_set->Debounce = quint8(value);
    Q_EMIT edited();
}

void OakPointSpeed::checkbtn_clicked()
{
    for (const Pair& pair : std::as_const(m_pairs)) {
        if (sender() != pair.first && sender() != pair.second)
            continue;
        auto* button = static_cast<QRadioButton*>(sender());
        button->setChecked(true);
        if (!m_set)
            return;
        m_set->*pair.field = quint8(pair.group->id(button));
        Q_EMIT edited();
        return;
    }
}

void OakPointSpeed::onMouseSetting()
{
    if (!environment().launcher().openMouseSettings())
        environment().prompts().tell(tr("No mouse settings of this desktop were found."));
}

QVector<QWidget*> OakPointSpeed::widgetsOf(Row row) const
{
    switch (row) {
    case Row::KeyResponse:
        return {m_keyCaption, m_keySlider, m_keyNumber};
    case Row::ScrollSpeed:
        return {m_scrollCaption, m_scrollSpin};
    case Row::MouseSetting:
        return {m_mouseButton};
    default:
        for (const Pair& pair : m_pairs)
            if (pair.row == row)
                return {pair.caption, pair.first, pair.second};
        return {};
    }
}

void OakPointSpeed::reinitialise()
{
    const int mode = environment().model().syncMode;
    for (Row row : {Row::KeyResponse, Row::ScrollSpeed, Row::MouseSetting, Row::Sync, Row::Lift, Row::Angle,
                    Row::Jitter}) {
        bool shown = SensorSettingsLayout::shows(mode, row);
        if (row == Row::MouseSetting)
            shown = shown && environment().model().mouseButtonShown;
        for (QWidget* w : widgetsOf(row))
            w->setVisible(shown);
    }
    rescale();
}

void OakPointSpeed::retranslate()
{
    m_keyCaption->setText(tr("Key Response"));
    m_keySlider->setAccessibleName(tr("Key Response"));
    m_scrollCaption->setText(tr("SCROLL SPEED"));
    m_scrollSpin->setAccessibleName(tr("SCROLL SPEED"));
    m_mouseButton->setText(tr("Mouse Setting"));
    for (const Pair& pair : std::as_const(m_pairs)) {
        switch (pair.row) {
        case Row::Sync:
            pair.caption->setText(tr("Enable sync"));
            break;
        case Row::Lift:
            pair.caption->setText(tr("Lift Distance"));
            break;
        case Row::Angle:
            pair.caption->setText(tr("Angle Snapping"));
            break;
        default:
            pair.caption->setText(tr("Jitter"));
            break;
        }
        const bool lift = pair.row == Row::Lift;
        pair.first->setText(lift ? tr("1mm") : tr("ON"));
        pair.second->setText(lift ? tr("2mm") : tr("OFF"));
        pair.first->setAccessibleName(pair.caption->text() + QLatin1Char(' ') + pair.first->text());
        pair.second->setAccessibleName(pair.caption->text() + QLatin1Char(' ') + pair.second->text());
    }
    // Texts of another language take other widths.
    placeLine(0);
    placeLine(1);
}

void OakPointSpeed::rescale()
{
    const PageEnvironment& env = environment();
    const QFont caption = PerformanceLook::font(env, 11, true);
    const QFont text = PerformanceLook::font(env, 11);
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setFont(caption);
        label->setStyleSheet(PerformanceLook::captionSheet());
    }
    m_keyNumber->setFont(text);
    m_scrollSpin->setFont(text);
    m_mouseButton->setFont(text);
    m_mouseButton->setStyleSheet(PerformanceLook::buttonSheet(env));
    for (const Pair& pair : std::as_const(m_pairs)) {
        pair.first->setFont(text);
        pair.second->setFont(text);
    }
    placeLine(0);
    placeLine(1);
    if (!env.model().mouseButtonShown)
        m_mouseButton->setGeometry(m_mouseButton->x(), m_mouseButton->y(), m_mouseButton->width(), 0);
}

// The parts of a row, left to right, with their widths in pixels. An ON/OFF
// pair is stacked: its caption above its two buttons.
QVector<QPair<QWidget*, int>> OakPointSpeed::partsOf(Row row) const
{
    const PageEnvironment& env = environment();
    const auto textWidth = [](QWidget* w, const QString& text) {
        return w->fontMetrics().horizontalAdvance(text) + 2;
    };
    switch (row) {
    case Row::KeyResponse:
        return {{m_keyCaption, textWidth(m_keyCaption, m_keyCaption->text())},
                {m_keySlider, env.scaled(96)},
                {m_keyNumber, textWidth(m_keyNumber, QStringLiteral("30"))}};
    case Row::ScrollSpeed:
        return {{m_scrollCaption, textWidth(m_scrollCaption, m_scrollCaption->text())},
                {m_scrollSpin, env.scaled(52)}};
    case Row::MouseSetting:
        return {{m_mouseButton, std::max(env.scaled(104),
                                         textWidth(m_mouseButton, m_mouseButton->text()) + env.scaled(20))}};
    default:
        for (const Pair& pair : m_pairs) {
            if (pair.row == row)
                return {{pair.caption, textWidth(pair.caption, pair.caption->text())},
                        {pair.first, pair.first->sizeHint().width()},
                        {pair.second, pair.second->sizeHint().width()}};
        }
        return {};
    }
}

bool OakPointSpeed::isPair(Row row)
{
    return row == Row::Sync || row == Row::Lift || row == Row::Angle || row == Row::Jitter;
}

int OakPointSpeed::rowWidth(Row row) const
{
    const int gap = environment().scaled(6);
    const QVector<QPair<QWidget*, int>> parts = partsOf(row);
    if (isPair(row) && parts.size() == 3)
        return std::max(parts[0].second, parts[1].second + gap + parts[2].second);
    int width = 0;
    for (const auto& part : parts)
        width += part.second;
    return width + gap * (int(parts.size()) - 1);
}

void OakPointSpeed::placeRow(Row row, int x, int top, int height)
{
    const PageEnvironment& env = environment();
    const int gap = env.scaled(6);
    const QVector<QPair<QWidget*, int>> parts = partsOf(row);
    if (isPair(row) && parts.size() == 3) {
        const int captionHeight = height * 2 / 5;
        parts[0].first->setGeometry(x, top, parts[0].second, captionHeight);
        parts[1].first->setGeometry(x, top + captionHeight, parts[1].second, height - captionHeight);
        parts[2].first->setGeometry(x + parts[1].second + gap, top + captionHeight, parts[2].second,
                                    height - captionHeight);
        return;
    }
    for (const auto& part : parts) {
        QWidget* w = part.first;
        const int h = qobject_cast<QLabel*>(w) ? height : std::min(height, env.scaled(26));
        w->setGeometry(x, top + (height - h) / 2, part.second, h);
        x += part.second + gap;
    }
}

// The rows of a line take the width their texts need; what is left of the
// page's width goes evenly between them, so the last row ends at the right.
void OakPointSpeed::placeLine(int line)
{
    const PageEnvironment& env = environment();
    QVector<Row> rows;
    int needed = 0;
    for (const SensorSettingsLayout::Cell& cell : SensorSettingsLayout::cells(env.model().syncMode)) {
        if (cell.line != line)
            continue;
        rows.append(cell.row);
        needed += rowWidth(cell.row);
    }
    if (rows.isEmpty())
        return;
    // Pairs keep to the left with a wide gap; the first line spreads out.
    const int minGap = env.scaled(line == 0 ? 12 : 28);
    const int spare = std::max(0, width() - needed);
    const int between =
        line == 0 && rows.size() > 1 ? std::max(minGap, spare / (int(rows.size()) - 1)) : minGap;
    const int top = env.scaled(line == 0 ? 8 : 40);
    const int height = env.scaled(line == 0 ? 28 : 36);
    int x = 0;
    for (Row row : rows) {
        placeRow(row, x, top, height);
        x += rowWidth(row) + between;
    }
}
