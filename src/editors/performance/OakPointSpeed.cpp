#include "editors/performance/OakPointSpeed.h"

#include "editors/PageEnvironment.h"
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
// Height of a line of cells, in design pixels.
constexpr int kCellHeight = 30;

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
        Q_EMIT messageRequested(tr("No mouse settings of this desktop were found."));
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
    for (const SensorSettingsLayout::Cell& cell : SensorSettingsLayout::cells(env.model().syncMode))
        placeCell(cell);
    if (!env.model().mouseButtonShown)
        m_mouseButton->setGeometry(m_mouseButton->x(), m_mouseButton->y(), m_mouseButton->width(), 0);
}

void OakPointSpeed::placeCell(const SensorSettingsLayout::Cell& cell)
{
    const PageEnvironment& env = environment();
    const int top = cell.line == 0 ? 6 : 42;
    auto put = [&env, top](QWidget* w, int x, int width, int height = kCellHeight) {
        w->setGeometry(env.scaled(x), env.scaled(top + (kCellHeight - height) / 2), env.scaled(width),
                       env.scaled(height));
    };
    const int x = cell.x;
    switch (cell.row) {
    case Row::KeyResponse:
        put(m_keyCaption, x, 92);
        put(m_keySlider, x + 96, 108);
        put(m_keyNumber, x + 208, cell.width - 208);
        break;
    case Row::ScrollSpeed:
        put(m_scrollCaption, x, 90);
        put(m_scrollSpin, x + 94, cell.width - 94, 26);
        break;
    case Row::MouseSetting:
        put(m_mouseButton, x, cell.width, 28);
        break;
    default:
        for (const Pair& pair : std::as_const(m_pairs)) {
            if (pair.row != cell.row)
                continue;
            const int half = (cell.width - 82) / 2;
            put(pair.caption, x, 80);
            put(pair.first, x + 82, half);
            put(pair.second, x + 82 + half, half);
        }
        break;
    }
}
