// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/macro/MacroSettingsPanel.h"

#include "storage/MacroRecord.h"

#include <QCheckBox>
#include <QDebug>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kIndicator = 24; // the box and its spacing, in design pixels
} // namespace

MacroSettingsPanel::MacroSettingsPanel(QWidget* parent) : QWidget(parent)
{
    m_recordDelays = addCheck("recordDelaysCheck", QRect(0, 0, kDesignWidth, 36));
    m_defaultDelays = addCheck("defaultDelaysCheck", QRect(0, 38, kDesignWidth, 36));
    m_defaultDelayLabel = new QLabel(this);
    m_geometry.add(m_defaultDelayLabel, QRect(0, 76, 70, 26));
    m_defaultDelay = new QLineEdit(this);
    m_defaultDelay->setObjectName(QStringLiteral("defaultDelayEdit"));
    m_defaultDelay->setMaxLength(5);
    m_defaultDelay->setValidator(new QIntValidator(0, 65535, m_defaultDelay));
    m_geometry.add(m_defaultDelay, QRect(74, 76, 65, 26));
    m_loopTimes = addCheck("loopTimesCheck", QRect(0, 110, kDesignWidth, 26));
    m_repeatWhileHeld = addCheck("repeatWhileHeldCheck", QRect(0, 138, kDesignWidth, 36));
    m_repeatUntilPressed = addCheck("repeatUntilPressedCheck", QRect(0, 176, kDesignWidth, 36));
    m_loopTimeLabel = new QLabel(this);
    m_geometry.add(m_loopTimeLabel, QRect(0, 214, 70, 26));
    m_loopTime = new QLineEdit(this);
    m_loopTime->setObjectName(QStringLiteral("loopTimeEdit"));
    m_loopTime->setMaxLength(3);
    m_loopTime->setValidator(new QIntValidator(1, 255, m_loopTime));
    m_geometry.add(m_loopTime, QRect(74, 214, 65, 26));
    m_defaultDelayLabel->setBuddy(m_defaultDelay);
    m_loopTimeLabel->setBuddy(m_loopTime);
    connect(m_defaultDelay, &QLineEdit::textEdited, this, &MacroSettingsPanel::DefDelayChanged);
    connect(m_loopTime, &QLineEdit::textEdited, this, &MacroSettingsPanel::LoopTimeChanged);
    reset(MacroRecord::NoDelays);
    retranslate();
}

QCheckBox* MacroSettingsPanel::addCheck(const char* objectName, const QRect& design)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(QLatin1String(objectName));
    connect(box, &QCheckBox::clicked, this, &MacroSettingsPanel::checkbtn_clicked);
    m_geometry.add(box, design);
    return box;
}

void MacroSettingsPanel::checkbtn_clicked()
{
    auto* box = qobject_cast<QCheckBox*>(sender());
    if (!box)
        return;
    Q_EMIT changed();
    if (!box->isChecked())
        return;
    const QVector<QCheckBox*> delays{m_recordDelays, m_defaultDelays};
    const QVector<QCheckBox*> loops{m_loopTimes, m_repeatWhileHeld, m_repeatUntilPressed};
    for (const auto& group : {delays, loops}) {
        if (!group.contains(box))
            continue;
        for (QCheckBox* other : group)
            other->setChecked(other == box);
    }
}

void MacroSettingsPanel::DefDelayChanged(const QString& text)
{
    qDebug() << "DefDelayChanged" << text;
    Q_EMIT changed();
}

void MacroSettingsPanel::LoopTimeChanged(const QString& text)
{
    qDebug() << "LoopTimeChanged" << text;
    Q_EMIT changed();
}

void MacroSettingsPanel::showSettings(const MacroRecord& macro)
{
    m_recordDelays->setChecked(macro.DelayType == MacroRecord::RecordDelays);
    m_defaultDelays->setChecked(macro.DelayType == MacroRecord::DefaultDelays);
    m_defaultDelay->setText(QString::number(qBound(0, macro.DefaultDelay, 65535)));
    m_loopTimes->setChecked(macro.LoopType == 1);
    m_repeatWhileHeld->setChecked(macro.LoopType == 2);
    m_repeatUntilPressed->setChecked(macro.LoopType == 3);
    m_loopTime->setText(QString::number(qBound(1, macro.LoopTime, 255)));
}

void MacroSettingsPanel::fillSettings(MacroRecord& macro) const
{
    macro.DelayType = delayType();
    macro.DefaultDelay = defaultDelayMs();
    macro.LoopType = m_loopTimes->isChecked()            ? 1
                     : m_repeatWhileHeld->isChecked()    ? 2
                     : m_repeatUntilPressed->isChecked() ? 3
                                                         : 0;
    // An emptied field stores the smallest count the field accepts.
    macro.LoopTime = qBound(1, m_loopTime->text().toInt(), 255);
}

void MacroSettingsPanel::reset(int delayType)
{
    MacroRecord defaults;
    defaults.DelayType = delayType;
    defaults.DefaultDelay = 10;
    defaults.LoopTime = 1;
    showSettings(defaults);
}

int MacroSettingsPanel::delayType() const
{
    return m_recordDelays->isChecked()    ? MacroRecord::RecordDelays
           : m_defaultDelays->isChecked() ? MacroRecord::DefaultDelays
                                          : MacroRecord::NoDelays;
}

int MacroSettingsPanel::defaultDelayMs() const
{
    return m_defaultDelay->text().toInt();
}

void MacroSettingsPanel::retranslate()
{
    m_recordDelays->setProperty("caption", tr("RECORD DELAYS BETWEEN ACTION"));
    m_defaultDelays->setProperty("caption", tr("INSERT DEFAULT DELAY"));
    m_loopTimes->setProperty("caption", tr("LOOPS TIME(1-255)"));
    m_repeatWhileHeld->setProperty("caption", tr("REPEAT RUN WHEN KEY DOWN"));
    m_repeatUntilPressed->setProperty("caption", tr("REPEAT RUN UNTIL THE KEY DOWN"));
    m_defaultDelayLabel->setText(tr("DELAY(ms)"));
    m_loopTimeLabel->setText(tr("LOOPS"));
    m_defaultDelay->setAccessibleName(tr("Default delay in milliseconds"));
    m_loopTime->setAccessibleName(tr("LOOPS TIME(1-255)"));
    rewrap();
}

void MacroSettingsPanel::rescale(const std::function<int(int)>& scaled)
{
    m_scaled = scaled;
    m_geometry.apply(scaled);
    rewrap();
}

void MacroSettingsPanel::rewrap()
{
    for (QCheckBox* box :
         {m_recordDelays, m_defaultDelays, m_loopTimes, m_repeatWhileHeld, m_repeatUntilPressed})
        setWrappedCaption(box, box->property("caption").toString(), m_scaled(kIndicator));
}
