// SPDX-License-Identifier: GPL-3.0-or-later
// The profile codec against the key-map path it replaced (ProfileCodec over
// IniReader and SettingsWriter): any text must read into the same record on
// both, and a save over it must write the same bytes. A difference aborts.
#include "FuzzFiles.h"
#include "storage/IniReader.h"
#include "storage/KeptKeys.h"
#include "storage/ProfileCodec.h"
#include "storage/ProfileData.h"
#include "storage/ProfileText.h"
#include "storage/SettingsWriter.h"

#include <QFile>

#include <cstdlib>

namespace {

using LightKeys = ProfileCodec::LightKeys;

// A record whose fields differ from the defaults, so that a field the text
// fails to reset shows.
ProfileData startRecord()
{
    ProfileData p;
    p.pollrate = 3;
    p.LedMoveOFF = 7;
    p.LedSleepTime = 9;
    p.buttons[5].macroname = QStringLiteral("kept, \"quoted\"");
    p.buttons[5].KeyInfo[7] = {1, 2, 3};
    p.leds[2].colour = QColor(1, 2, 3);
    p.ProfileName = QStringLiteral("@start");
    return p;
}

void compare(const QByteArray& text, const QString& path, const QString& section, LightKeys keys, bool save)
{
    ProfileData before = startRecord();
    ProfileCodec::read(IniReader(path), section, before, keys);
    ProfileData now = startRecord();
    if (ProfileText::read(text, section, keys, &now, nullptr) != ProfileText::Refusal::None)
        return;
    if (now != before)
        std::abort();
    if (!save)
        return;

    KeptKeys kept;
    (void)ProfileText::read(text, section, keys, nullptr, &kept);
    const QByteArray written = ProfileText::write(now, section, keys, kept);
    SettingsWriter writer(path);
    ProfileCodec::write(writer, section, now, keys);
    if (!writer.finish().isOk())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != written)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialiseFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFiles files;
    const QByteArray text(reinterpret_cast<const char*>(data), int(size));
    // The first byte picks a profile file or an exchange file's slot, and
    // whether the save is compared too (the key-map path's save is slow).
    const bool slot = size > 0 && (data[0] & 1);
    const bool save = size > 0 && (data[0] & 2);
    const QString path = files.write(QStringLiteral("Configs/Profile/Fuzz.prof"), data, size);
    compare(text, path, slot ? QStringLiteral("PROFILE_0") : QStringLiteral("PROFILE"),
            slot ? LightKeys::Excluded : LightKeys::Included, save);
    return 0;
}
