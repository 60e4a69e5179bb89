// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What no file of ours comes near, so that a damaged or hostile file is
// refused in bounded time and memory instead of being read. A full profile
// is some 330 KB in 11,100 keys; a configuration file holds five of them.
namespace FileLimits {

constexpr qint64 kMaxFileBytes = 8 * 1024 * 1024;
constexpr int kMaxLineBytes = 64 * 1024;
constexpr int kMaxKeyBytes = 1024;
constexpr int kMaxSectionBytes = 128;
constexpr int kMaxKeys = 64 * 1024;

} // namespace FileLimits
