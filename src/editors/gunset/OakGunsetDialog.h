// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/macro/DesignGeometry.h"
#include "storage/GunFile.h"

#include <QDialog>
#include <QPointer>
#include <QVector>

class OakMessageBox;
class OakPushButton;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;

// "Gun Set": builds a recoil-compensation macro from up to five shots, each
// a delay and a horizontal and vertical pull. Accepted, it holds the gun
// file's name and the shots in use; storing them is the caller's work.
class OakGunsetDialog : public QDialog
{
    Q_OBJECT
public:
    OakGunsetDialog(QWidget* parent, double scale, const QColor& themeColor);

    QString fileName() const { return m_fileName; }
    // The shots of the rows in use, in order.
    QVector<GunShot> shots() const { return m_shots; }
    int bulletCount() const { return m_bullets; }
    void setBulletCount(int count);

    // The warning shown while the dialog stays open, if any.
    OakMessageBox* warning() const;

public Q_SLOTS:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildRows();
    void retranslate();
    void warn(const QString& text);

    double m_scale;
    QColor m_themeColor;
    DesignGeometry m_geometry;
    QLabel* m_title = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLineEdit* m_name = nullptr;
    OakPushButton* m_bulletsButton = nullptr;
    QMenu* m_bulletsMenu = nullptr;
    QVector<QLabel*> m_headers;
    QVector<QLabel*> m_rowLabels;
    QVector<QSpinBox*> m_delays;
    QVector<QSpinBox*> m_pullsX;
    QVector<QSpinBox*> m_pullsY;
    OakPushButton* m_yes = nullptr;
    OakPushButton* m_no = nullptr;
    QPointer<OakMessageBox> m_warning;
    QString m_fileName;
    QVector<GunShot> m_shots;
    int m_bullets = 1;
};
