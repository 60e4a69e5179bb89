// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a report-rate code reads as ("125 HZ"), in the interface language;
// empty for a code the mouse does not know. The rate menu and the
// on-screen display say the same.
QString reportRateText(int code);
