// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorPage.h"

#include <QColor>
#include <QPointer>

class DefaultColorArea;
class EffectButton;
class OakColorArea;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QSlider;
struct LedSetting;

// The lighting page: the effect of a profile and, for that effect, its
// brightness, speed and colour; and the sleep time and the "lights out on
// move" option. Every effect keeps its own brightness, speed and colour in
// the profile's lighting table, so switching back shows what was set.
class OakColorWindow : public EditorPage
{
    Q_OBJECT
public:
    explicit OakColorWindow(const PageEnvironment& environment, QWidget* parent = nullptr);

    void refresh(ProfileData& record, ProfileSet& set) override;
    void retranslate() override;
    void reinitialise() override;
    void rescale() override;

    // The colour editor while it is open.
    OakColorArea* colorEditor() const;

public Q_SLOTS:
    // Stores a colour for the shown profile's current effect.
    void slotSendLedState(QColor color);
    // Opens the colour editor on the current effect's colour.
    void color_clicked();
    void checkbtn_clicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void buildEffectMenu();
    void connectControls();
    void place();
    void applyLook();
    // Shows the record's values; the controls' signals write nothing back
    // meanwhile.
    void showRecord();
    void showControlsFor(int effect);
    void showEntry(int effect);
    void showEffectName(int effect);
    void showSwatch(const QColor& color);
    void showSleepLabel(int minutes);
    void selectEffect(int effect);
    void onSliderChanged();
    void onColourChosen(const QColor& color);
    LedSetting* entryOf(int effect) const;
    int profileIndex() const;

    ProfileData* m_record = nullptr;
    ProfileSet* m_set = nullptr;
    bool m_showing = false;
    int m_shownEffect = 0;

    QLabel* m_effectCaption = nullptr;
    EffectButton* m_effectButton = nullptr;
    QMenu* m_effectMenu = nullptr;
    QAction* m_effectActions[14] = {};
    QLabel* m_brightnessCaption = nullptr;
    QSlider* m_brightness = nullptr;
    QLabel* m_speedCaption = nullptr;
    QSlider* m_speed = nullptr;
    QLabel* m_colourCaption = nullptr;
    DefaultColorArea* m_swatch = nullptr;
    QLabel* m_sleepCaption = nullptr;
    QSlider* m_sleep = nullptr;
    QLabel* m_sleepLabel = nullptr;
    QCheckBox* m_moveLightOff = nullptr;
    QPointer<OakColorArea> m_editor;
};
