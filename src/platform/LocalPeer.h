// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The process at the other end of a connected local socket runs as this
// user. False when it runs as another user or its identity cannot be read.
bool localPeerIsThisUser(qintptr socketDescriptor);
