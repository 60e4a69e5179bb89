// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorPage.h"

#include <array>

class OakSingleDPI;
class QButtonGroup;
class QLabel;

// The DPI page: the stages of the current profile, one row each, and which
// stage is active. Edits the record it is given in place.
class OakDPIWindow : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int kRows = 8;

    explicit OakDPIWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;
    void reinitialise() override;
    void rescale() override;
    void showActiveStage(int stage) override;

private Q_SLOTS:
    void onSliderChanged(int x, int y, quint8 index);
    void onLinkChanged(quint8 link, quint8 index);
    void onEnableChanged(quint8 used, quint8 index);
    void onRadioChanged(int id, bool checked);

private:
    void setSensorType();
    void markActiveStage(int stage);
    void placeRows();

    ProfileData* m_record = nullptr;
    int m_shownStages = kRows;
    QLabel* m_header;
    QButtonGroup* m_group;
    std::array<OakSingleDPI*, kRows> m_rows{};
};
