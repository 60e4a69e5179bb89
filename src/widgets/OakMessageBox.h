#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>

class OakPushButton;
class QLabel;
class QTimer;

// The modal message box of every user-facing message: a title line and a
// text. Kind 1 asks (OK and Cancel), kind 2 tells (OK), kind 4 tells and
// shows the receiver picture.
class OakMessageBox : public QDialog
{
    Q_OBJECT

public:
    enum Kind
    {
        Ask = 1,
        Tell = 2,
        TellWithReceiver = 4
    };

    OakMessageBox(QWidget* parent, Kind kind, const QString& title, const QString& text, double scale = 1.0,
                  const QColor& themeColor = QColor(255, 0, 0), const QString& pictureFile = QString());

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QColor m_themeColor;
    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    OakPushButton* m_accept = nullptr;
    OakPushButton* m_reject = nullptr;
    QTimer* m_plugInTimer = nullptr;
    std::function<bool()> m_deviceReady;
};
