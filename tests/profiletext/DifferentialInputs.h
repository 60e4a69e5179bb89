// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ProfileData.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

// Inputs on which the profile codec and the key-map path (ProfileCodec over
// IniText) must agree: hand-made texts that each try one corner of the text
// form, mutations of a written profile, and records whose texts and colours
// need every escape.
namespace DifferentialInputs {

// Short texts, one corner of the syntax or of the value conversions each.
QVector<QByteArray> handMadeTexts();
// The text with `count` random edits (lines dropped, doubled or moved,
// values and keys in other forms, stray sections, junk bytes).
QByteArray mutated(const QByteArray& text, int count, QRandomGenerator& random);
// A record whose every field is its own, derived from the seed, with texts
// and colours that take each of the stored forms in turn.
ProfileData record(int seed);

} // namespace DifferentialInputs
