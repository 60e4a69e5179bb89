// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/performance/OakReportRate.h"

#include "editors/PageEnvironment.h"
#include "editors/performance/PerformanceLook.h"
#include "editors/performance/SensorSettingsLayout.h"
#include "protocol/ReportRate.h"
#include "storage/ProfileSet.h"

#include "protocol/ReportRate.h"
#include "widgets/ReportRateText.h"
#include <QAction>
#include <QButtonGroup>
#include <QDebug>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

OakReportRate::OakReportRate(const PageEnvironment& environment, QWidget* parent)
    : EditorPage(environment, parent), m_rateCaption(new QLabel(this)), m_rateButton(new QPushButton(this)),
      m_rateMenu(new QMenu(this)), m_liftCaption(new QLabel(this)), m_liftGroup(new QButtonGroup(this)),
      m_lift1(new QRadioButton(this)), m_lift2(new QRadioButton(this))
{
    m_rateCaption->setObjectName(QStringLiteral("rateCaption"));
    m_rateButton->setObjectName(QStringLiteral("rateButton"));
    m_rateMenu->setObjectName(QStringLiteral("rateMenu"));
    m_liftCaption->setObjectName(QStringLiteral("liftCaption"));
    m_lift1->setObjectName(QStringLiteral("lift1"));
    m_lift2->setObjectName(QStringLiteral("lift2"));
    // The menu lists the slowest rate first.
    for (auto rate = ReportRate::kRates.rbegin(); rate != ReportRate::kRates.rend(); ++rate) {
        QAction* action = m_rateMenu->addAction(QString());
        action->setData(rate->code);
        connect(action, &QAction::triggered, this, &OakReportRate::onRateChosen);
    }
    m_rateButton->setMenu(m_rateMenu);
    m_rateButton->setFocusPolicy(Qt::StrongFocus);
    m_liftGroup->setExclusive(true);
    m_liftGroup->addButton(m_lift1, 0);
    m_liftGroup->addButton(m_lift2, 1);
    connect(m_lift1, &QRadioButton::toggled, this, &OakReportRate::onRadioChanged);
    connect(m_lift2, &QRadioButton::toggled, this, &OakReportRate::onRadioChanged);
    // Another language may bring another font; the accent marks focus.
    connect(&environment.ui(), &UiSettings::fontChanged, this, &OakReportRate::rescaleWhenShown);
    connect(&environment.ui(), &UiSettings::themeColorChanged, this, &OakReportRate::rescale);
    retranslate();
    reinitialise();
}

void OakReportRate::refresh(ProfileData& record, ProfileSet& set)
{
    m_record = &record;
    m_set = &set;
    showRate();
    m_iLift = set.LiftHigh == 1 ? 1 : 2;
    const QSignalBlocker one(m_lift1);
    const QSignalBlocker two(m_lift2);
    (m_iLift == 1 ? m_lift1 : m_lift2)->setChecked(true);
}

void OakReportRate::collect(ProfileSet& set)
{
    // What the page shows is what is sent: a stored lift outside 1 and 2
    // is shown, and so sent, as 2 mm.
    if (liftShown() && m_set)
        set.LiftHigh = m_iLift;
}

// A code without a menu entry leaves the caption as it was.
void OakReportRate::showRate()
{
    if (!m_record)
        return;
    if (reportRateText(m_record->pollrate).isEmpty())
        return;
    m_shownCode = m_record->pollrate;
    m_rateButton->setText(reportRateText(m_shownCode));
}

void OakReportRate::onRateChosen()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const int code = action->data().toInt();
    m_shownCode = code;
    m_rateButton->setText(reportRateText(code));
    if (!m_record)
        return;
    m_record->pollrate = quint8(code);
    Q_EMIT edited();
}

void OakReportRate::onRadioChanged()
{
    auto* button = qobject_cast<QRadioButton*>(sender());
    if (!button || !button->isChecked())
        return;
    m_iLift = quint8(m_liftGroup->id(button) + 1);
    qDebug("m_iLift = %d", m_iLift);
    if (m_set)
        m_set->LiftHigh = m_iLift;
    Q_EMIT edited();
}

bool OakReportRate::liftShown() const
{
    return SensorSettingsLayout::liftOnReportRatePage(environment().model().syncMode);
}

void OakReportRate::reinitialise()
{
    const bool shown = liftShown();
    m_liftCaption->setVisible(shown);
    m_lift1->setVisible(shown);
    m_lift2->setVisible(shown);
    rescale();
}

void OakReportRate::retranslate()
{
    m_rateCaption->setText(tr("REPORT RATE"));
    m_liftCaption->setText(tr("Lift off Distance"));
    m_lift1->setText(tr("1 mm"));
    m_lift2->setText(tr("2 mm"));
    for (QAction* action : m_rateMenu->actions())
        action->setText(reportRateText(action->data().toInt()));
    m_rateButton->setText(reportRateText(m_shownCode));
    m_rateButton->setAccessibleDescription(tr("REPORT RATE"));
}

void OakReportRate::rescale()
{
    const PageEnvironment& env = environment();
    auto s = [&env](int v) { return env.scaled(v); };
    const QFont caption = PerformanceLook::font(env, 12, true);
    const QFont text = PerformanceLook::font(env, 12);
    for (QLabel* label : {m_rateCaption, m_liftCaption}) {
        label->setFont(caption);
        label->setStyleSheet(PerformanceLook::captionSheet());
    }
    m_rateButton->setFont(text);
    m_rateButton->setStyleSheet(PerformanceLook::buttonSheet(env));
    m_rateMenu->setFont(text);
    m_rateMenu->setMinimumWidth(s(133));
    m_lift1->setFont(text);
    m_lift2->setFont(text);
    m_rateCaption->setGeometry(s(8), s(4), s(137), s(20));
    m_rateButton->setGeometry(s(8), s(28), s(133), s(32));
    m_liftCaption->setGeometry(s(8), s(76), s(137), s(20));
    m_lift1->setGeometry(s(8), s(100), s(137), s(24));
    m_lift2->setGeometry(s(8), s(128), s(137), s(24));
}
