// SPDX-License-Identifier: GPL-3.0-or-later
#include "LookTest.h"

#include "app/osd/OsdWindow.h"
#include "support/TempAppDir.h"
#include "widgets/KitStyle.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakProcessDialog.h"
#include "widgets/OakPushButton.h"
#include "widgets/UiScale.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

namespace {

void saveShot(QWidget& widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("MOUSECFG_SHOTS_DIR");
    if (!dir.isEmpty())
        QVERIFY(widget.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace

void LookTest::busyDialogShowsProgress_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void LookTest::busyDialogShowsProgress()
{
    QFETCH(double, scale);
    TempAppDir app;
    QWidget window;
    window.resize(999, 640);
    OakProcessDialog dialog(app.paths().skinFile(QStringLiteral("process.png")), &window, scale);
    QCOMPARE(dialog.width(), int(OakProcessDialog::kSize * scale));
    auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("processProgress"));
    QVERIFY(bar);
    dialog.show();
    QVERIFY(!bar->isVisible()); // nothing counted yet: the animation alone
    dialog.setProgress(7, 20);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 7);
    QCOMPARE(bar->maximum(), 20);
    QVERIFY(dialog.rect().contains(bar->geometry()));
    QVERIFY(!dialog.accessibleName().isEmpty());
    saveShot(dialog, QStringLiteral("busy-dialog@") + QString::fromLatin1(QTest::currentDataTag()));
}

void LookTest::messageBoxesFitTheirText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("scale");
    for (double scale : {1.0, 2.0}) {
        const QString suffix = scale > 1 ? QStringLiteral("@2x") : QStringLiteral("@1x");
        QTest::newRow(qPrintable(QStringLiteral("ask") + suffix))
            << int(OakMessageBox::Ask) << QStringLiteral("Are you sure you want delete this profile?")
            << scale;
        QTest::newRow(qPrintable(QStringLiteral("tell") + suffix))
            << int(OakMessageBox::Tell)
            << QStringLiteral("Could not save /home/user/.config/mousecfg/Wren W8/Profile/Profile 3.prof: "
                              "it is not a regular file.")
            << scale;
        QTest::newRow(qPrintable(QStringLiteral("receiver") + suffix))
            << int(OakMessageBox::TellWithReceiver) << QStringLiteral("Mouse is sleeping or not connected.")
            << scale;
        QTest::newRow(qPrintable(QStringLiteral("quit") + suffix))
            << int(OakMessageBox::Choose) << QStringLiteral("Some changes have not been applied to the mouse yet.")
            << scale;
    }
}

void LookTest::messageBoxesFitTheirText()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(double, scale);
    TempAppDir app;
    OakMessageBox box(nullptr, OakMessageBox::Kind(kind), QStringLiteral("Warning"), text, scale,
                      QColor(255, 125, 0), app.paths().skinFile(QStringLiteral("dongle2.png")));
    // As over the window, whose kit style the box inherits.
    box.setStyleSheet(KitStyle::styleSheet(QColor(255, 125, 0), UiScale::forLogicalDpi(96 * scale)));
    if (kind == OakMessageBox::Choose)
        box.setAnswers({QStringLiteral("Apply and quit"), QStringLiteral("Quit without applying"),
                        QStringLiteral("Stay")});
    box.show();
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        QVERIFY2(label->height() >= label->heightForWidth(label->width()) || !label->wordWrap(),
                 qPrintable(label->text()));
        QVERIFY(box.rect().contains(label->geometry()));
    }
    QList<OakPushButton*> buttons = box.answerButtons();
    if (box.acceptButton())
        buttons << box.acceptButton();
    QVERIFY(!buttons.isEmpty());
    for (OakPushButton* button : buttons) {
        QVERIFY(box.rect().contains(button->geometry()));
        QVERIFY2(button->width() > button->fontMetrics().horizontalAdvance(button->text()),
                 qPrintable(button->text()));
    }
    saveShot(box, QStringLiteral("message-") + QString::fromLatin1(QTest::currentDataTag()));
}

void LookTest::onScreenDisplayFitsItsText()
{
    OsdWindow window;
    OsdRecord::Message message;
    message.text = QStringLiteral("DPI 2:1600");
    message.colour = QColor(255, 125, 0);
    message.fontName = QStringLiteral("Arial");
    window.showMessage(message);
    QVERIFY(window.isVisible());
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(40);
    font.setBold(true);
    QVERIFY(window.width() > QFontMetrics(font).horizontalAdvance(message.text));
    saveShot(window, QStringLiteral("osd"));
}
