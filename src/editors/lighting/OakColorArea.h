// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/ColourModel.h"

#include <QDialog>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SVColorArea;

// The colour editor ("Color Edit"): a hue bar, a saturation/value square, a
// preview, seven presets, spin boxes for H, S, V, R, G and B and a field of
// six hexadecimal digits, all kept in step. APPLY accepts with the colour
// shown, Cancel (or Escape) rejects. Enter in the hex field applies the
// digits without closing, so a refused entry is seen.
class OakColorArea : public QDialog
{
    Q_OBJECT
public:
    OakColorArea(const QColor& initial, const QColor& accent, double scale, QWidget* parent = nullptr);

    // The colour shown, always an RGB colour.
    QColor color() const { return m_model.colour(); }
    const ColourModel& model() const { return m_model; }

    static const QColor kPresets[7];

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void place();
    void connectControls();
    void retranslate();
    // Shows the model in every control; signals of the controls are held
    // back meanwhile, so nothing feeds back.
    void showModel();
    void onHsvEdited();
    void onRgbEdited();
    void onHexEdited();
    void onPresetClicked();

    ColourModel m_model;
    QColor m_initial;
    QColor m_accent;
    double m_scale;
    bool m_showing = false;

    QLabel* m_title = nullptr;
    SVColorArea* m_square = nullptr;
    HColorArea* m_hueBar = nullptr;
    PreviewColorArea* m_preview = nullptr;
    DefaultColorArea* m_presets[7] = {};
    QLabel* m_hsvCaptions[3] = {};
    QSpinBox* m_hsv[3] = {};
    QSpinBox* m_rgb[3] = {};
    QLabel* m_hexCaption = nullptr;
    QLineEdit* m_hex = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_cancel = nullptr;
};
