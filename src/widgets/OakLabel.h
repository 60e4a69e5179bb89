#pragma once

#include <QLabel>

// The label of the widget kit: says when the pointer comes over it and when
// it is pressed, so a label can act as a link or a hover target.
class OakLabel : public QLabel
{
    Q_OBJECT

public:
    explicit OakLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void EnterSignal(OakLabel* label);
    void clicked();

protected:
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEnterEvent* event) override;
#else
    void enterEvent(QEvent* event) override;
#endif
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
