// SPDX-License-Identifier: GPL-3.0-or-later
// The status report as the vendor interface delivers it.
#include "protocol/StatusReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const StatusReply reply = StatusReply::parse(data, size > 64 ? 64 : int(size));
    if (reply.valid)
        reply.logText("f");
    return 0;
}
