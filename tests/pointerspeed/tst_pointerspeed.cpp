// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PointerSpeed.h"
#include "platform/fake/FakePointerSpeed.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The system pointer speed behind its platform interface. On this system
// the desktop's settings tool is replaced by a script that keeps the value
// in a file, so the tests never touch the real desktop.
class TestPointerSpeed : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readsTheDesktopSpeedOnTheProfileScale();
    void appliesTheProfileSpeed();
    void desktopWithoutASpeedKeepsTheValue();
    void fakeRecordsWhatWasApplied();

private:
    void installSettingsTool(const QByteArray& storedSpeed);
    QByteArray storedSpeed() const;

    QTemporaryDir m_dir;
    QByteArray m_savedPath;
};

void TestPointerSpeed::init()
{
#ifndef Q_OS_LINUX
    QSKIP("the settings tool stands in for a Linux desktop only");
#endif
    m_savedPath = qgetenv("PATH");
    qputenv("PATH", m_dir.path().toLocal8Bit());
}

void TestPointerSpeed::cleanup()
{
    qputenv("PATH", m_savedPath);
    QFile::remove(m_dir.filePath(QStringLiteral("gsettings")));
}

void TestPointerSpeed::installSettingsTool(const QByteArray& speed)
{
    const QString store = m_dir.filePath(QStringLiteral("speed"));
    QFile value(store);
    QVERIFY(value.open(QIODevice::WriteOnly));
    value.write(speed);
    value.close();
    QFile tool(m_dir.filePath(QStringLiteral("gsettings")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\nPATH=/usr/bin:/bin\n"
               "[ \"$2\" = org.gnome.desktop.peripherals.mouse ] && [ \"$3\" = speed ] || exit 1\n"
               "case \"$1\" in\n"
               "get) cat '" +
               store.toLocal8Bit() +
               "' ;;\n"
               "set) printf '%s' \"$4\" > '" +
               store.toLocal8Bit() +
               "' ;;\n"
               "*) exit 1 ;;\n"
               "esac\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray TestPointerSpeed::storedSpeed() const
{
    QFile value(m_dir.filePath(QStringLiteral("speed")));
    return value.open(QIODevice::ReadOnly) ? value.readAll().trimmed() : QByteArray();
}

void TestPointerSpeed::readsTheDesktopSpeedOnTheProfileScale()
{
    const auto speed = createPointerSpeed();
    installSettingsTool("0.0\n");
    QCOMPARE(speed->readPointerSpeed(), std::optional<int>(10));
    installSettingsTool("-0.3\n");
    QCOMPARE(speed->readPointerSpeed(), std::optional<int>(7));
    installSettingsTool("1.0\n");
    QCOMPARE(speed->readPointerSpeed(), std::optional<int>(20));
    installSettingsTool("-1.0\n");
    QCOMPARE(speed->readPointerSpeed(), std::optional<int>(1)); // never below the scale
    installSettingsTool("not a number\n");
    QCOMPARE(speed->readPointerSpeed(), std::nullopt);
}

void TestPointerSpeed::appliesTheProfileSpeed()
{
    const auto speed = createPointerSpeed();
    installSettingsTool("0.5");
    QVERIFY(speed->applyPointerSpeed(10));
    QCOMPARE(storedSpeed().toDouble(), 0.0);
    QVERIFY(speed->applyPointerSpeed(16));
    QCOMPARE(storedSpeed().toDouble(), 0.6);
    QVERIFY(speed->applyPointerSpeed(200)); // a damaged profile byte stays on the scale
    QCOMPARE(storedSpeed().toDouble(), 1.0);
    QCOMPARE(speed->readPointerSpeed(), std::optional<int>(20));
}

void TestPointerSpeed::desktopWithoutASpeedKeepsTheValue()
{
    const auto speed = createPointerSpeed(); // no settings tool on the path
    QCOMPARE(speed->readPointerSpeed(), std::nullopt);
    QVERIFY(!speed->applyPointerSpeed(10));
}

void TestPointerSpeed::fakeRecordsWhatWasApplied()
{
    FakePointerSpeed speed(7);
    QCOMPARE(speed.readPointerSpeed(), std::optional<int>(7));
    QVERIFY(speed.applyPointerSpeed(10));
    QCOMPARE(speed.readPointerSpeed(), std::optional<int>(10));
    FakePointerSpeed none;
    QVERIFY(!none.applyPointerSpeed(10));
    QCOMPARE(none.applied(), QVector<int>{10});
}

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "tst_pointerspeed.moc"
