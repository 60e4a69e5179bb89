// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CliSession;
struct CliOptions;

// The commands of mousecfgctl. Each returns the process exit status.
namespace CliCommands {

enum ExitStatus
{
    ExitOk = 0,
    ExitNoDevice = 1,   // as the transfer result "no device"
    ExitNoReply = 2,    // as the transfer result "verify failed"
    ExitWriteError = 4, // as the transfer result "write error"
    ExitUsage = 64,
    ExitSlotUnreadable = 65, // a profile slot's file cannot be read; nothing is sent
    ExitNoInput = 66,
    ExitSaveFailed = 73,   // a file could not be saved
    ExitNoPermission = 77, // the mouse's device node cannot be opened by this user
};

int devices(CliSession& session, const CliOptions& options);
int status(CliSession& session, const CliOptions& options);
int apply(CliSession& session, const CliOptions& options);
int selectProfile(CliSession& session, const CliOptions& options);
int show(CliSession& session, const CliOptions& options);

} // namespace CliCommands
