// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;
class QProgressBar;
class QTimer;

// The busy indicator shown while a download runs: a small frameless,
// translucent window centred on its parent, with the loading animation.
// slotProcessDlg() closes it (accepted) from the event loop. Once the number
// of steps is known, a bar below the animation shows how far the work is.
class OakProcessDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kSize = 128;

    // backgroundFile: the skin's "process.png"; without it a plain rounded
    // square is drawn. kSize is the design size, multiplied by scale.
    OakProcessDialog(const QString& backgroundFile, QWidget* parent = nullptr, double scale = 1.0);

    // done of total steps made; a total of 0 hides the bar.
    void setProgress(int done, int total);
    int progressDone() const;
    int progressTotal() const;

public slots:
    void slotProcessDlg();
    void updateProgress();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void centreOnParent();

    QString m_backgroundFile;
    QLabel* m_animation = nullptr;
    QProgressBar* m_bar = nullptr;
    int m_total = 0;
    double m_scale = 1.0;
    QMovie* m_movie = nullptr;
    QTimer* m_spinTimer = nullptr;
    int m_spinAngle = 0;
};
