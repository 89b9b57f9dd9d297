#pragma once

#include <functional>
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
    // Ends the reading side of every idle connection accepted on the local port (those whose
    // peer port `busy` does not name), so that a worker waiting on a kept-alive connection for a
    // next request sees its end at once. The library stops writing to a connection it finds
    // ended, so connections with a request in hand are left to finish their answer.
    static void stopReadingIdle(int localPort, const std::function<bool(int peerPort)>& busy);

private:
    // Calls visit with each connected socket until it returns true; returns that socket or -1.
    template <class Visit>
    static int findSocket(Visit visit);
    static int find(const std::string& peerAddress, int peerPort, int localPort);
    static bool replaceWithNull(int descriptor);
};

}  // namespace morvix::sim
