#pragma once

#include <string>

namespace morvix::sim {

// Breaks the connection of a request that is being answered, for fault injection. The HTTP
// library does not hand out the socket, so the connection is found by its two addresses and its
// descriptor is replaced by one on /dev/null: the library then fails its next write and closes
// that harmlessly, and no descriptor number is ever freed under its feet.
class ConnectionBreaker {
public:
    // Closes the connection (FIN). False when it was not found.
    static bool close(const std::string& peerAddress, int peerPort, int localPort);
    // Resets the connection (RST); bytes already written have been handed to the peer.
    static bool reset(const std::string& peerAddress, int peerPort, int localPort);
    // Shuts down every connection accepted on the local port, so that the workers waiting on
    // kept-alive connections for a next request end at once.
    static void shutdownAll(int localPort);

private:
    // Calls visit with each connected socket until it returns true; returns that socket or -1.
    template <class Visit>
    static int findSocket(Visit visit);
    static int find(const std::string& peerAddress, int peerPort, int localPort);
    static bool replaceWithNull(int descriptor);
};

}  // namespace morvix::sim
