// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalPeer.h"

#include <sys/socket.h>
#include <unistd.h>

bool localPeerIsThisUser(qintptr socketDescriptor)
{
    if (socketDescriptor < 0)
        return false;
    // The kernel's record of who connected (or listened): the peer cannot forge it.
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        size != sizeof peer)
        return false;
    return peer.uid == ::geteuid();
}
