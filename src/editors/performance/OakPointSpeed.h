// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorPage.h"
#include "editors/performance/SensorSettingsLayout.h"

#include <QPair>
#include <QVector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

// The sensor settings: key response, scroll speed, sync, lift, angle
// snapping and jitter, laid out by the model's sync mode, and the desktop's
// mouse settings. The shared values are edited in the set, the scroll speed
// in the current record.
class OakPointSpeed : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int kMinKeyResponse = 5;
    static constexpr int kMaxKeyResponse = 30;
    static constexpr int kMinScrollSpeed = 1;
    static constexpr int kMaxScrollSpeed = 20;

    explicit OakPointSpeed(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void collect(ProfileSet& set) override;
    void retranslate() override;
    void reinitialise() override;
    void rescale() override;

private Q_SLOTS:
    void sValueChangedSlot(int s);
    void onKeyResponseChanged(int value);
    void checkbtn_clicked();
    void onMouseSetting();

private:
    // An ON/OFF pair: two radio buttons whose group ids are the values they store.
    struct Pair
    {
        SensorSettingsLayout::Row row;
        QLabel* caption;
        QButtonGroup* group;
        QRadioButton* first;
        QRadioButton* second;
        quint8 ProfileSet::*field;
    };

    Pair makePair(SensorSettingsLayout::Row row, const char* name, int firstValue, int secondValue,
                  quint8 ProfileSet::*field);
    // Which button a stored value checks.
    static int shownValue(SensorSettingsLayout::Row row, quint8 stored);
    QVector<QWidget*> widgetsOf(SensorSettingsLayout::Row row) const;
    QVector<QPair<QWidget*, int>> partsOf(SensorSettingsLayout::Row row) const;
    static bool isPair(SensorSettingsLayout::Row row);
    int rowWidth(SensorSettingsLayout::Row row) const;
    void placeRow(SensorSettingsLayout::Row row, int x, int top, int height);
    void placeLine(int line);

    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
    QLabel* m_keyCaption;
    QSlider* m_keySlider;
    QLabel* m_keyNumber;
    QLabel* m_scrollCaption;
    QSpinBox* m_scrollSpin;
    QPushButton* m_mouseButton;
    QVector<Pair> m_pairs;
};
