// SPDX-License-Identifier: GPL-3.0-or-later
#include "DifferentialInputs.h"
#include "storage/FileLimits.h"
#include "storage/IniReader.h"
#include "storage/ProfileCodec.h"
#include "storage/ProfileField.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileKeyTable.h"
#include "storage/ProfileText.h"
#include "storage/SettingsWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using LightKeys = ProfileCodec::LightKeys;

struct Case
{
    QString section;
    LightKeys keys;
};
const Case kProfileFile{QStringLiteral("PROFILE"), LightKeys::Included};
const Case kExchangeSlot{QStringLiteral("PROFILE_0"), LightKeys::Excluded};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void store(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), qint64(text.size()));
}

// The first field in which two records differ, by its key name; the verdict
// itself is ProfileData's own comparison.
QString difference(const ProfileData& a, const ProfileData& b)
{
    for (const ProfileKeyTable::Entry& entry : ProfileKeyTable::instance().entries()) {
        QVariant left;
        QVariant right;
        visitField(a, entry.field, [&](const auto& field) { left = QVariant::fromValue(field); });
        visitField(b, entry.field, [&](const auto& field) { right = QVariant::fromValue(field); });
        if (left != right)
            return QStringLiteral("%1: %2 / %3")
                .arg(QLatin1String(entry.name.data(), int(entry.name.size())), left.toString(),
                     right.toString());
    }
    return QStringLiteral("a field outside the key table");
}

} // namespace

// The profile codec against the key-map path it replaces (ProfileCodec over
// IniReader and SettingsWriter): the same record from every text, the same
// bytes from every record and file.
class TestProfileText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filesPastTheLimitsAreRefusedQuickly_data();
    void filesPastTheLimitsAreRefusedQuickly();
    void saveOverARefusedFileKeepsNothingOfIt();
    void handMadeTextsReadAsBefore();
    void mutatedProfilesReadAndSaveAsBefore();
    void fuzzSeedsReadAndSaveAsBefore();
    void recordsWithEveryStoredFormSaveAsBefore();

private:
    // Both paths on one text; false (with the test failed) when they differ.
    bool sameRead(const QByteArray& text, const Case& c, const ProfileData& start, const char* what);
    bool sameSave(const QByteArray& existing, const ProfileData& record, const Case& c, const char* what);

    bool refusedAsOneLongLine(const QByteArray& text);

    QTemporaryDir m_dir;
    QString m_path;
    int m_refused = 0;
};

void TestProfileText::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.path() + QStringLiteral("/p.prof");
}

// A quote left open makes the rest of a text one line, which the codec may
// refuse where the key-map path read on; such a text counts as refused.
bool TestProfileText::refusedAsOneLongLine(const QByteArray& text)
{
    ProfileData record;
    if (ProfileText::read(text, kProfileFile.section, kProfileFile.keys, &record, nullptr) !=
        ProfileText::Refusal::LineTooLong)
        return false;
    ++m_refused;
    return true;
}

bool TestProfileText::sameRead(const QByteArray& text, const Case& c, const ProfileData& start,
                               const char* what)
{
    store(m_path, text);
    ProfileData before = start;
    ProfileCodec::read(IniReader(m_path), c.section, before, c.keys);
    ProfileData now = start;
    const ProfileText::Refusal refusal = ProfileText::read(text, c.section, c.keys, &now, nullptr);
    [&] {
        QCOMPARE(int(refusal), int(ProfileText::Refusal::None));
        QVERIFY2(now == before, qPrintable(QStringLiteral("%1: %2").arg(what, difference(now, before))));
    }();
    return !QTest::currentTestFailed();
}

bool TestProfileText::sameSave(const QByteArray& existing, const ProfileData& record, const Case& c,
                               const char* what)
{
    store(m_path, existing);
    SettingsWriter writer(m_path);
    ProfileCodec::write(writer, c.section, record, c.keys);
    [&] { QVERIFY(writer.finish().isOk()); }();
    const QByteArray before = contents(m_path);
    KeptKeys kept;
    (void)ProfileText::read(existing, c.section, c.keys, nullptr, &kept);
    const QByteArray now = ProfileText::write(record, c.section, c.keys, kept);
    [&] {
        if (now == before)
            return;
        int at = 0;
        while (at < now.size() && at < before.size() && now.at(at) == before.at(at))
            ++at;
        QFAIL(qPrintable(QStringLiteral("%1: the texts part at byte %2: \"%3\" / \"%4\"")
                             .arg(QLatin1String(what))
                             .arg(at)
                             .arg(QString::fromLatin1(now.mid(at - 20, 60)),
                                  QString::fromLatin1(before.mid(at - 20, 60)))));
    }();
    return !QTest::currentTestFailed();
}

void TestProfileText::filesPastTheLimitsAreRefusedQuickly_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("refusal");
    // A section name far longer than any, then as many keys as a full
    // profile: the key-map reader copied the name into every key.
    QByteArray longSection = '[' + QByteArray(200000, 'S') + "]\n";
    for (int i = 0; i < 30000; ++i)
        longSection += "k" + QByteArray::number(i) + "=1\n";
    QTest::newRow("long section line") << longSection << int(ProfileText::Refusal::LineTooLong);
    QTest::newRow("long section name") << '[' + QByteArray(FileLimits::kMaxNameBytes + 1, 'S') + "]\nk=1\n"
                                       << int(ProfileText::Refusal::NameTooLong);
    QTest::newRow("long line") << "[PROFILE]\nProfileName=" + QByteArray(FileLimits::kMaxLineBytes, 'x')
                               << int(ProfileText::Refusal::LineTooLong);
    QTest::newRow("long key") << "[PROFILE]\n" + QByteArray(FileLimits::kMaxNameBytes + 1, 'k') + "=1\n"
                              << int(ProfileText::Refusal::NameTooLong);
    QByteArray junk("[PROFILE]\n");
    for (int i = 0; i <= FileLimits::kMaxProfileFileKeys; ++i)
        junk += "junk" + QByteArray::number(i) + "=1\n";
    QTest::newRow("too many keys") << junk << int(ProfileText::Refusal::TooManyKeys);
    QTest::newRow("too large") << QByteArray(int(FileLimits::kMaxFileBytes) + 1, '\n')
                               << int(ProfileText::Refusal::FileTooLarge);
}

void TestProfileText::filesPastTheLimitsAreRefusedQuickly()
{
    QFETCH(QByteArray, text);
    QFETCH(int, refusal);
    store(m_path, text);
    ProfileData record = DifferentialInputs::record(1);
    QElapsedTimer timer;
    timer.start();
    const StorageResult result = ProfileFiles::readProfile(record, m_path);
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(result.errorMessage().contains(m_path));
    ProfileData defaults;
    defaults.LedMoveOFF = 255;
    defaults.LedSleepTime = 1;
    QVERIFY(record == defaults);
    KeptKeys kept;
    QCOMPARE(int(ProfileText::read(text, kProfileFile.section, kProfileFile.keys, &record, &kept)), refusal);
    QVERIFY(kept.isEmpty());
}

// A file of junk far past the limits leaves nothing of itself in the file
// a save writes; a merge of it into every later save is what it would cost.
void TestProfileText::saveOverARefusedFileKeepsNothingOfIt()
{
    QFile big(m_path);
    QVERIFY(big.open(QIODevice::WriteOnly | QIODevice::Truncate));
    big.write("[PROFILE]\njunk=1\n[Other]\nkept=no\n");
    QVERIFY(big.resize(63 * 1024 * 1024));
    big.close();
    const ProfileData record = DifferentialInputs::record(2);
    QElapsedTimer timer;
    timer.start();
    ProfileData loaded;
    QVERIFY(!ProfileFiles::readProfile(loaded, m_path).isOk());
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(ProfileFiles::saveProfile(record, m_path).isOk());
    QCOMPARE(contents(m_path),
             ProfileText::write(record, kProfileFile.section, kProfileFile.keys, KeptKeys()));
}

void TestProfileText::handMadeTextsReadAsBefore()
{
    const ProfileData start = DifferentialInputs::record(5);
    const QVector<QByteArray> texts = DifferentialInputs::handMadeTexts();
    for (int i = 0; i < texts.size(); ++i) {
        const QByteArray what = "hand-made text " + QByteArray::number(i);
        QVERIFY(sameRead(texts.at(i), kProfileFile, start, what));
        QVERIFY(sameRead(texts.at(i), kExchangeSlot, start, what + " as an exchange slot"));
        QVERIFY(sameSave(texts.at(i), DifferentialInputs::record(i), kProfileFile, what));
    }
}

// A profile as the key-map writer wrote it, then damaged and edited by
// hand in every way the text form allows.
void TestProfileText::mutatedProfilesReadAndSaveAsBefore()
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 60; ++round) {
        const ProfileData original = DifferentialInputs::record(round);
        QVERIFY(sameSave(QByteArray(), original, kProfileFile, "a new file"));
        const QByteArray written = contents(m_path);
        const QByteArray text = DifferentialInputs::mutated(written, 1 + round % 40, random);
        const QByteArray what = "mutation round " + QByteArray::number(round);
        if (refusedAsOneLongLine(text))
            continue;
        QVERIFY(sameRead(text, kProfileFile, original, what));
        ProfileData loaded;
        (void)ProfileText::read(text, kProfileFile.section, kProfileFile.keys, &loaded, nullptr);
        QVERIFY(sameSave(text, loaded, kProfileFile, what));
        QVERIFY(sameSave(text, DifferentialInputs::record(round + 1), kExchangeSlot, what + " as a slot"));
    }
    QVERIFY2(m_refused < 10, qPrintable(QStringLiteral("%1 of 60 refused").arg(m_refused)));
}

void TestProfileText::fuzzSeedsReadAndSaveAsBefore()
{
    const QDir corpus(QStringLiteral(MOUSECFG_DATA_DIR "/../fuzz/corpus"));
    QStringList files;
    for (const char* target : {"profile", "conf", "config"})
        for (const QString& name : QDir(corpus.filePath(QLatin1String(target))).entryList(QDir::Files))
            files.append(corpus.filePath(QLatin1String(target)) + QLatin1Char('/') + name);
    QVERIFY(files.size() >= 15);
    QByteArray garbage;
    for (int i = 0; i < 65536; ++i)
        garbage.append(char((i * 7919 + i / 13) % 256));
    QVector<QByteArray> texts = {garbage, "[PROFILE]\n" + garbage};
    for (const QString& file : files)
        texts.append(contents(file));
    for (int i = 0; i < texts.size(); ++i) {
        const QByteArray what = i < 2 ? "garbage" : QFileInfo(files.at(i - 2)).fileName().toUtf8();
        QVERIFY(sameRead(texts.at(i), kProfileFile, DifferentialInputs::record(i), what));
        QVERIFY(sameRead(texts.at(i), kExchangeSlot, DifferentialInputs::record(i), what));
        QVERIFY(sameSave(texts.at(i), DifferentialInputs::record(i), kProfileFile, what));
    }
}

void TestProfileText::recordsWithEveryStoredFormSaveAsBefore()
{
    // Kept keys before, among and after the record's, in sections before
    // and after its own.
    const QByteArray others = "[A]\nk=1\n[General]\ntop=2\n[PROFILE]\n0first=3\nBUTTON_INFO_0_Fun2=4\n"
                              "LedMode\\zzz=5\nZz=6\na=7\n\xc3\xa9=8\n[zz]\nlast=9\n";
    for (int seed = 0; seed < 40; ++seed) {
        const ProfileData record = DifferentialInputs::record(seed);
        const QByteArray what = "record " + QByteArray::number(seed);
        QVERIFY(sameSave(seed % 2 ? others : QByteArray(), record, kProfileFile, what));
        QVERIFY(sameRead(contents(m_path), kProfileFile, DifferentialInputs::record(seed + 1), what));
        QVERIFY(sameSave(others, record, kExchangeSlot, what + " as a slot"));
    }
}

QTEST_GUILESS_MAIN(TestProfileText)
#include "tst_profiletext.moc"
