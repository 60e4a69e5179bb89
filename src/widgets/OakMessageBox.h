// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>

class OakPushButton;
class QHBoxLayout;
class QLabel;
class QTimer;

// The modal message box of every user-facing message: a title line and a
// text. Kind 1 asks (OK and Cancel), kind 2 tells (OK), kind 4 tells and
// shows the receiver picture, kind 8 offers answers of the caller's own.
class OakMessageBox : public QDialog
{
    Q_OBJECT

public:
    enum Kind
    {
        Ask = 1,
        Tell = 2,
        TellWithReceiver = 4,
        Choose = 8
    };

    OakMessageBox(QWidget* parent, Kind kind, const QString& title, const QString& text, double scale = 1.0,
                  const QColor& themeColor = QColor(255, 0, 0), const QString& pictureFile = QString());

    // Kind 8: one button per answer, left to right; the box ends with the
    // answer's index as its result, or -1 when it is closed otherwise.
    void setAnswers(const QStringList& answers);
    QList<OakPushButton*> answerButtons() const { return m_answers; }

    // Checks every 100 ms whether the device is ready again and, once it is,
    // accepts the box by itself.
    void watchForPlugIn(std::function<bool()> deviceReady);

    Kind kind() const { return m_kind; }
    QString title() const;
    QString text() const;
    OakPushButton* acceptButton() const { return m_accept; }
    OakPushButton* rejectButton() const { return m_reject; }

public Q_SLOTS:
    void GetPlugInSignal();
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OakPushButton* addButton(const QString& text);

    Kind m_kind;
    double m_scale = 1.0;
    QColor m_themeColor;
    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    OakPushButton* m_accept = nullptr;
    OakPushButton* m_reject = nullptr;
    QHBoxLayout* m_buttons = nullptr;
    QList<OakPushButton*> m_answers;
    QTimer* m_plugInTimer = nullptr;
    std::function<bool()> m_deviceReady;
};
