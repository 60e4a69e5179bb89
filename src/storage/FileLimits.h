// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// How much of a stored INI file a reader accepts. A file past any of these
// is not one of ours, or is damaged past use: it is refused whole, before it
// can cost time or memory out of proportion, and treated as unreadable.
namespace FileLimits {

// The keys of one profile section: 5 profile bytes, 8 DPI stages of 5 keys,
// 6 pointer keys, 42 buttons of 261 keys, 14 lighting modes of 6, the name
// and the path.
constexpr int kProfileKeys = 11099;

// A full profile file is some 340 KB, an exchange file of five profiles some
// 1.7 MB.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
// One line with its continuations: the longest a profile holds is a path or
// a name of a few thousand characters, up to six bytes each when escaped.
constexpr int kMaxLineBytes = 64 * 1024;
// A key or a section name as the file holds it.
constexpr int kMaxNameBytes = 1024;
// A section name for the reader that keeps "section/key" names: it copies
// the section into every key, so its sections are shorter still (ours are
// names like "PROFILE_4" or "MACRO_LIST").
constexpr int kMaxSectionBytes = 128;
// Key lines of a profile file: a full profile and as many again for keys of
// other versions and tools.
constexpr int kMaxProfileFileKeys = 2 * kProfileKeys;
// Key lines of any INI file of ours: an exchange file holds five profile
// sections, with the same room.
constexpr int kMaxIniFileKeys = 10 * kProfileKeys;

} // namespace FileLimits
