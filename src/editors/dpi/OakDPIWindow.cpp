// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/dpi/OakDPIWindow.h"

#include "editors/PageEnvironment.h"
#include "editors/dpi/OakSingleDPI.h"
#include "protocol/DeviceLimits.h"
#include "storage/ProfileSet.h"
#include "widgets/KitStyle.h"

#include <QButtonGroup>
#include <QDebug>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// Design geometry: rows at x 15, from y 43, 440 wide, 48 high every 50;
// when the model has more stages than fit above the sensor settings, which
// lie over the page's lower part from y 338, the rows close up so that
// every one stays clear of them.
constexpr int kRowLeft = 15;
constexpr int kRowTop = 43;
constexpr int kRowWidth = 440;
constexpr int kRowHeight = 48;
constexpr int kRowPitch = 50;
constexpr int kRowsBottom = 338;

} // namespace

OakDPIWindow::OakDPIWindow(const PageEnvironment& environment, QWidget* parent)
    : EditorPage(environment, parent), m_header(new QLabel(this)), m_group(new QButtonGroup(this))
{
    m_header->setObjectName(QStringLiteral("dpiHeader"));
    m_group->setExclusive(true);
    for (int i = 0; i < kRows; ++i) {
        auto* row = new OakSingleDPI(quint8(i), environment, this);
        row->setObjectName(QStringLiteral("dpiRow%1").arg(i));
        m_group->addButton(row->radio(), i);
        connect(row, &OakSingleDPI::DPISignal, this, &OakDPIWindow::onSliderChanged);
        connect(row, &OakSingleDPI::LinkSignal, this, &OakDPIWindow::onLinkChanged);
        connect(row, &OakSingleDPI::EnableSignal, this, &OakDPIWindow::onEnableChanged);
        m_rows[size_t(i)] = row;
    }
    connect(m_group, &QButtonGroup::idToggled, this, &OakDPIWindow::onRadioChanged);
    connect(&environment.ui(), &UiSettings::themeColorChanged, this,
            [this] { markActiveStage(m_group->checkedId()); });
    // Another language may bring another font.
    connect(&environment.ui(), &UiSettings::fontChanged, this, &OakDPIWindow::rescaleWhenShown);
    reinitialise();
    retranslate();
}

void OakDPIWindow::reinitialise()
{
    m_shownStages = std::clamp(environment().model().dpiStageCount, 1, kRows);
    setSensorType();
    placeRows();
}

void OakDPIWindow::setSensorType()
{
    const ModelDescription& model = environment().model();
    const DpiLevelRange levels = DeviceLimits::stageLevels(model);
    for (OakSingleDPI* row : m_rows)
        row->setSensorType(model.sensorType, levels, model.sensorLimitFlag);
}

void OakDPIWindow::refresh(ProfileData& record, ProfileSet&)
{
    m_record = &record;
    setSensorType();
    for (OakSingleDPI* row : m_rows) {
        const DpiStage& stage = record.stages[row->index()];
        row->setLink(stage.link);
        row->setLevels(int(stage.x), int(stage.y));
        row->setEnable(stage.used);
    }
    markActiveStage(record.dpi);
}

void OakDPIWindow::showActiveStage(int stage)
{
    if (stage < 0 || stage >= kRows)
        return;
    if (m_record)
        m_record->dpi = quint8(stage);
    markActiveStage(stage);
}

// A stored active stage past the model's count is sent as its last stage;
// the page shows that one.
void OakDPIWindow::markActiveStage(int stage)
{
    const int shown = std::clamp(stage, 0, m_shownStages - 1);
    {
        const QSignalBlocker blocker(m_group);
        m_rows[size_t(shown)]->radio()->setChecked(true);
    }
    for (OakSingleDPI* row : m_rows)
        row->setActive(row->index() == shown, environment().ui().themeColor());
}

void OakDPIWindow::onSliderChanged(int x, int y, quint8 index)
{
    if (!m_record || index >= kRows)
        return;
    m_record->stages[index].x = quint32(x);
    m_record->stages[index].y = quint32(y);
    Q_EMIT edited();
}

void OakDPIWindow::onLinkChanged(quint8 link, quint8 index)
{
    if (!m_record || index >= kRows)
        return;
    m_record->stages[index].link = link;
    Q_EMIT edited();
}

void OakDPIWindow::onEnableChanged(quint8 used, quint8 index)
{
    if (!m_record || index >= kRows)
        return;
    m_record->stages[index].used = used;
    Q_EMIT edited();
}

void OakDPIWindow::onRadioChanged(int id, bool checked)
{
    if (!checked)
        return;
    markActiveStage(id);
    if (!m_record)
        return;
    m_record->dpi = quint8(id);
    qDebug("m_ProfileData.dpi = %d", id);
    Q_EMIT edited();
}

void OakDPIWindow::retranslate()
{
    m_header->setText(tr("DPI STAGES"));
    for (OakSingleDPI* row : m_rows)
        row->retranslate();
}

void OakDPIWindow::rescale()
{
    placeRows();
}

void OakDPIWindow::placeRows()
{
    const PageEnvironment& env = environment();
    QFont font = env.ui().font();
    font.setPixelSize(std::max(1, env.scaled(12)));
    font.setBold(true);
    m_header->setFont(font);
    m_header->setStyleSheet(QStringLiteral("color: %1").arg(KitStyle::kSecondaryText.name()));
    m_header->setGeometry(env.scaled(3), env.scaled(3), env.scaled(120), env.scaled(17));
    const int pitch = std::min(kRowPitch, (kRowsBottom - kRowTop) / m_shownStages);
    const int height = std::min(kRowHeight, pitch - 2);
    for (OakSingleDPI* row : m_rows) {
        const int i = row->index();
        if (i >= m_shownStages) {
            row->setGeometry(QRect());
            row->hide();
            continue;
        }
        row->setGeometry(env.scaled(kRowLeft), env.scaled(kRowTop + pitch * i), env.scaled(kRowWidth),
                         env.scaled(height));
        row->show();
        row->rescale(env.ui().scale().factor);
    }
}
