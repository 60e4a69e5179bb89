// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorPage.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

// The report rate of the current profile and the lift-off distance.
class OakReportRate : public EditorPage
{
    Q_OBJECT
public:
    explicit OakReportRate(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void collect(ProfileSet& set) override;
    void retranslate() override;
    void reinitialise() override;
    void rescale() override;

private Q_SLOTS:
    void onRadioChanged();
    void onRateChosen();

private:
    void showRate();
    bool liftShown() const;

    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
    quint8 m_iLift = 2;
    // The caption is "1000 HZ" until a profile with a known rate is shown.
    int m_shownCode = 1;
    QLabel* m_rateCaption;
    QPushButton* m_rateButton;
    QMenu* m_rateMenu;
    QLabel* m_liftCaption;
    QButtonGroup* m_liftGroup;
    QRadioButton* m_lift1;
    QRadioButton* m_lift2;
};
