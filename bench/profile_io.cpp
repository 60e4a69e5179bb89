// SPDX-License-Identifier: GPL-3.0-or-later
// Save and load of full profiles through the storage classes, against the
// floor of a bare QSettings writing and reading the same keys and values in
// the same run. Every read goes to a file not read before in the process,
// so that QSettings' in-process cache of parsed files does not hide the
// parsing that a real start-up pays.

#include "storage/AppPaths.h"
#include "storage/ProductDescription.h"
#include "storage/ProfileDefaults.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileSet.h"
#include "storage/ProfileSetStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int kRounds = 30;
using KeyValues = std::vector<std::pair<QString, QVariant>>;

ProfileData busyProfile(int seed)
{
    ProfileData p;
    ProfileDefaults::resetProfile(p, ProductDescription(QString()));
    for (int b = 0; b < ProfileData::kButtons; ++b) {
        p.buttons[b].Fun = 200;
        p.buttons[b].macroname = QStringLiteral("macro %1").arg(b + seed);
        for (int k = 0; k < ButtonAssignment::kSteps; ++k)
            p.buttons[b].KeyInfo[k] = {quint8(132 + k % 2), quint8(k), quint8(b + seed)};
    }
    return p;
}

// The keys and values exactly as the profile file holds them, typed as the
// storage classes write them (numbers as numbers, colours as colours).
KeyValues keyValuesOf(const QString& path)
{
    const QSettings file(path, QSettings::IniFormat);
    KeyValues pairs;
    for (const QString& key : file.allKeys()) {
        const QVariant value = file.value(key);
        bool isNumber = false;
        const int number = value.toString().toInt(&isNumber);
        pairs.emplace_back(key, isNumber ? QVariant(number) : value);
    }
    return pairs;
}

void bareWrite(const QString& path, const KeyValues& pairs)
{
    QSettings file(path, QSettings::IniFormat);
    for (const auto& pair : pairs)
        file.setValue(pair.first, pair.second);
    file.sync();
}

int bareRead(const QString& path, const KeyValues& pairs)
{
    const QSettings file(path, QSettings::IniFormat);
    int sink = 0;
    for (const auto& pair : pairs)
        sink += file.value(pair.first).toString().size();
    return sink;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The C library's allocator may leave the sorting of freed blocks to the
// allocations that come next: after a QSettings object frees its hundred
// thousand nodes, the first few allocations of whatever runs next pay for
// it, some tenths of a millisecond. A few allocations after each timed call,
// untimed, keep either side from paying for the other's frees.
void settleAllocator()
{
    std::vector<QByteArray> blocks;
    for (int i = 0; i < 64; ++i)
        blocks.emplace_back(2000, 'x');
}

// Median milliseconds per call of ours(round) and of floor(round), the two
// run alternately so that the load of a shared machine falls on both alike.
std::pair<double, double> timed(const std::function<void(int)>& ours, const std::function<void(int)>& floor)
{
    std::vector<double> oursMs;
    std::vector<double> floorMs;
    QElapsedTimer timer;
    for (int round = 0; round < kRounds; ++round) {
        timer.start();
        ours(round);
        oursMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        settleAllocator();
        timer.start();
        floor(round);
        floorMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        settleAllocator();
    }
    return {median(oursMs), median(floorMs)};
}

QString copyName(const QString& dir, const QString& tag, int round)
{
    return QStringLiteral("%1/%2-%3.prof").arg(dir, tag).arg(round);
}

void prepareCopies(const QString& source, const QString& dir, const QString& tag)
{
    for (int round = 0; round < kRounds; ++round)
        QFile::copy(source, copyName(dir, tag, round));
}

std::pair<double, double> report(QTextStream& out, const char* what, std::pair<double, double> times)
{
    const double ours = times.first;
    const double floor = times.second;
    out << QStringLiteral("%1  %2 ms   floor %3 ms   ratio %4\n")
               .arg(QLatin1String(what), -34)
               .arg(ours, 8, 'f', 2)
               .arg(floor, 8, 'f', 2)
               .arg(ours / floor, 5, 'f', 2);
    return times;
}

double ratio(std::pair<double, double> times)
{
    return times.first / times.second;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const AppPaths paths(temp.path());
    const QString dir = temp.path() + QStringLiteral("/work");
    QDir().mkpath(dir);
    QTextStream out(stdout);

    const ProfileData profile = busyProfile(1);
    const QString reference = dir + QStringLiteral("/reference.prof");
    (void)ProfileFiles::saveProfile(profile, reference);
    const KeyValues pairs = keyValuesOf(reference);
    out << "profile keys: " << pairs.size() << ", file size: " << QFileInfo(reference).size() << " bytes, "
        << kRounds << " rounds each\n";

    // Saves go over an existing profile file, as in use, with a record that
    // differs from it: a save of what the file holds already writes nothing.
    for (const char* tag : {"save", "bare-save", "load", "bare-load"})
        prepareCopies(reference, dir, QLatin1String(tag));
    const ProfileData edited = busyProfile(2);
    const QString editedReference = dir + QStringLiteral("/edited.prof");
    (void)ProfileFiles::saveProfile(edited, editedReference);
    const KeyValues editedPairs = keyValuesOf(editedReference);
    const auto save = report(
        out, "save one profile",
        timed(
            [&](int r) { (void)ProfileFiles::saveProfile(edited, copyName(dir, QStringLiteral("save"), r)); },
            [&](int r) { bareWrite(copyName(dir, QStringLiteral("bare-save"), r), editedPairs); }));

    ProfileData loaded;
    int sink = 0;
    const auto load = report(
        out, "load one profile",
        timed([&](int r) { ProfileFiles::loadProfile(loaded, copyName(dir, QStringLiteral("load"), r)); },
              [&](int r) { sink += bareRead(copyName(dir, QStringLiteral("bare-load"), r), pairs); }));

    // Start-up: the Config keys and five profile files, each set in its own
    // model folder so that every round reads files it has not read before.
    auto set = std::make_unique<ProfileSet>();
    for (int i = 0; i < ProfileSet::kProfiles; ++i) {
        set->profiles[i] = busyProfile(i);
        set->profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
    }
    auto modelName = [](const char* tag, int r) {
        return QStringLiteral("%1-%2").arg(QLatin1String(tag)).arg(r);
    };
    for (int r = 0; r < kRounds; ++r) {
        (void)ProfileSetStore(paths, modelName("set", r)).saveSet(*set);
        (void)ProfileSetStore(paths, modelName("bare", r)).saveSet(*set);
    }
    auto bareProfilePath = [&](int r, int i) {
        return paths.profileDir(modelName("bare", r)) + QStringLiteral("/Profile %1.prof").arg(i + 1);
    };
    auto loadedSet = std::make_unique<ProfileSet>();
    auto bareSetLoad = [&](int r) {
        const QSettings config(paths.configFile(), QSettings::IniFormat);
        for (const char* key : {"ProfileID", "AngleValue", "LiftHigh", "Sync", "Jitter", "Debounce", "Wake",
                                "SensorMode", "Count"})
            sink += config.value(QStringLiteral("Config/") + QLatin1String(key)).toInt();
        for (int i = 0; i < ProfileSet::kProfiles; ++i) {
            sink += config.value(QStringLiteral("Config/Profile%1").arg(i + 1)).toString().size();
            sink += bareRead(bareProfilePath(r, i), pairs);
        }
    };
    report(
        out, "start-up load of five profiles",
        timed([&](int r) { ProfileSetStore(paths, modelName("set", r)).loadSet(*loadedSet); }, bareSetLoad));

    // Every profile differs from its file, as after edits on every slot.
    auto changedSet = std::make_unique<ProfileSet>(*set);
    for (ProfileData& changed : changedSet->profiles)
        changed.scrollspeed = quint8(changed.scrollspeed + 1);
    auto bareSetSave = [&](int r) {
        QSettings config(paths.configFile(), QSettings::IniFormat);
        for (const char* key :
             {"ProfileID", "AngleValue", "Sync", "LiftHigh", "Jitter", "Debounce", "Wake", "SensorMode",
              "Count", "Profile1", "Profile2", "Profile3", "Profile4", "Profile5"})
            config.setValue(QStringLiteral("Config/") + QLatin1String(key), r);
        config.sync();
        for (int i = 0; i < ProfileSet::kProfiles; ++i)
            bareWrite(bareProfilePath(r, i), pairs);
    };
    report(out, "save of the set after a transfer",
           timed([&](int r) { (void)ProfileSetStore(paths, modelName("set", r)).saveSet(*changedSet); },
                 bareSetSave));
    // The two figures the profile codec is held to, last.
    out << QStringLiteral("load ratio to bare QSettings, one full profile: %1\n").arg(ratio(load), 0, 'f', 2);
    out << QStringLiteral("save ratio to bare QSettings, one full profile: %1\n").arg(ratio(save), 0, 'f', 2);
    return sink == -1 ? 1 : 0;
}
