// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Outcome of one transfer. Callers only test for zero; the values are kept
// because they appear in logs and in the command-line tool's exit code.
enum TransferResult : quint8
{
    TransferOk = 0,         // written, and verified where verification applies
    TransferNoDevice = 1,   // no vendor interface open; nothing was written
    TransferFailed = 2,     // the retries of the verify loop ran out
    TransferWriteError = 4, // the write itself failed
};
