// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempAppDir.h"
#include "widgets/OakMessageBox.h"
#include "widgets/OakPushButton.h"

#include <QSignalSpy>
#include <QtTest>

class TestWidgetKit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pushButtonReportsThePointer()
    {
        OakPushButton button;
        QSignalSpy entered(&button, &OakPushButton::EnterSignal);
        QSignalSpy over(&button, &OakPushButton::OverSignal);
        QEvent leave(QEvent::Leave);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
#else
        QEvent enter(QEvent::Enter);
#endif
        QApplication::sendEvent(&button, &enter);
        QApplication::sendEvent(&button, &leave);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.first().first().value<OakPushButton*>(), &button);
        QCOMPARE(over.count(), 2);
        QCOMPARE(over.at(0).at(1).toBool(), true);
        QCOMPARE(over.at(1).at(1).toBool(), false);
    }

    void pushButtonWithoutImagesShowsItsText()
    {
        TempAppDir dir;
        OakPushButton missing;
        missing.setImages(dir.path() + QStringLiteral("/skin/no-such.png"));
        QVERIFY(!missing.hasImages());
        missing.setText(QStringLiteral("Apply"));
        missing.resize(80, 24);
        const QImage text = missing.grab().toImage();

        OakPushButton blank;
        blank.resize(80, 24);
        QVERIFY(text != blank.grab().toImage());

        OakPushButton pictured;
        pictured.setImages(dir.paths().skinFile(QStringLiteral("close-1.png")));
        QVERIFY(pictured.hasImages());
    }

    void messageBoxKindsOfferTheirButtons()
    {
        OakMessageBox ask(nullptr, OakMessageBox::Ask, QStringLiteral("Warning"), QStringLiteral("Sure?"));
        QVERIFY(ask.acceptButton());
        QVERIFY(ask.rejectButton());
        QCOMPARE(ask.title(), QStringLiteral("Warning"));
        QCOMPARE(ask.text(), QStringLiteral("Sure?"));
        ask.open();
        ask.rejectButton()->click();
        QCOMPARE(ask.result(), int(QDialog::Rejected));

        OakMessageBox tell(nullptr, OakMessageBox::Tell, QStringLiteral("Warning"), QStringLiteral("Done"));
        QVERIFY(tell.acceptButton());
        QVERIFY(!tell.rejectButton());
    }

    void plugInWatchAcceptsOnceTheDeviceIsReady()
    {
        TempAppDir dir;
        OakMessageBox box(nullptr, OakMessageBox::TellWithReceiver, QStringLiteral("Warning"),
                          QStringLiteral("Dongle Disconnect!"), 1.0, Qt::red,
                          dir.paths().skinFile(QStringLiteral("dongle2.png")));
        bool ready = false;
        int checks = 0;
        box.watchForPlugIn([&] {
            ++checks;
            return ready;
        });
        QSignalSpy accepted(&box, &QDialog::accepted);
        box.open();
        QTRY_VERIFY(checks >= 2);
        QVERIFY(box.isVisible());
        ready = true;
        QTRY_COMPARE(accepted.count(), 1);
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(TestWidgetKit)
#include "tst_widgets.moc"
