#include "storage/StoredColour.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A stored value as a file holds it, read back through QSettings.
QVariant storedValue(const QByteArray& text)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/c.ini");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[S]\nc=" + text + "\n");
    file.close();
    return QSettings(path, QSettings::IniFormat).value(QStringLiteral("S/c"));
}

} // namespace

// Colours read from files: QColor's serialised form holds its colour model as
// a number that Qt takes as it is.
class TestStoredColour : public QObject
{
    Q_OBJECT

private slots:
    void storedFormsGiveTheirColour()
    {
        // Rgb model, alpha ffff, red 1212, green 3434, blue 5656.
        QCOMPARE(
            StoredColour::fromVariant(storedValue("@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34"
                                                  "\\x56\\x56\\0\\0)")),
            QColor(0x12, 0x34, 0x56));
        QCOMPARE(StoredColour::fromVariant(storedValue("#123456")), QColor(0x12, 0x34, 0x56));
    }

    void unknownColourModelReadsAsNoColour_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("model 103") << QByteArray(
            "@Variant(\\0\\0\\0\\x43\\x67\\xff\\xff\\x12\\x12\\0\\0\\0\\0\\0\\0)");
        QTest::newRow("model -1") << QByteArray(
            "@Variant(\\0\\0\\0\\x43\\xff\\xff\\xff\\x12\\x12\\0\\0\\0\\0\\0\\0)");
        QTest::newRow("not a colour") << QByteArray("@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)");
        QTest::newRow("text") << QByteArray("no colour at all");
    }
    void unknownColourModelReadsAsNoColour()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(!StoredColour::fromVariant(storedValue(stored)).isValid());
    }
};

QTEST_GUILESS_MAIN(TestStoredColour)
#include "tst_storedcolour.moc"
