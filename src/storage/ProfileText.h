// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/KeptKeys.h"
#include "storage/ProfileCodec.h"
#include "storage/ProfileData.h"

#include <QByteArray>
#include <QString>

// The text of a profile file read straight into the record and written
// straight from it, without a map of "section/key" names in between: the
// keys of a profile are positional (BUTTON_INFO_<b>_KeyInfo_<k>_map and the
// rest), so each line's key is looked up in one table of them
// (ProfileKeyTable) and its value decoded into its field.
//
// Both directions give exactly what ProfileCodec does through IniText: the
// same record from the same text (missing keys and values of another kind
// read as the field's default, the later of two lines wins, a value the
// files do not hold removes an earlier one), and the same bytes from the
// same record and kept keys.
class ProfileText
{
public:
    // Why a text was refused (FileLimits): it is no profile of ours.
    enum class Refusal
    {
        None,
        FileTooLarge,
        LineTooLong,
        NameTooLong,
        TooManyKeys
    };

    // Reads section "section" of the text into the record and every other
    // key into kept; either may be null when not wanted. The record is reset
    // first (with LightKeys::Excluded its light-off and sleep-time fields
    // keep their values). A refused text leaves the record reset and kept
    // empty.
    static Refusal read(const QByteArray& text, const QString& section, ProfileCodec::LightKeys keys,
                        ProfileData* record, KeptKeys* kept);
    // The text of the record in section "section" (a plain name) together
    // with the kept keys: what IniText::serialise writes for the keys of the
    // file merged with the keys of the record.
    static QByteArray write(const ProfileData& record, const QString& section, ProfileCodec::LightKeys keys,
                            const KeptKeys& kept);

    // "a line of it is longer than ..." and the like: the reason in
    // the message that names the file.
    static QString refusalText(Refusal refusal);
};
