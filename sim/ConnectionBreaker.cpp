#include "ConnectionBreaker.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>

namespace morvix::sim {

namespace {

bool endpointIs(const sockaddr_storage& address, const std::string* host, int port)
{
    char text[INET6_ADDRSTRLEN] = {};
    int actualPort = -1;
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
        actualPort = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        actualPort = ntohs(v6.sin6_port);
    } else {
        return false;
    }
    return actualPort == port && (!host || *host == text);
}

int portOf(const sockaddr_storage& address)
{
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return -1;
}

// One break at a time: a scan of the process's descriptors must not meet another break opening
// and placing its /dev/null descriptor, which may take the very number being looked at.
std::mutex& breaking()
{
    static std::mutex lock;
    return lock;
}

}  // namespace

template <class Visit>
int ConnectionBreaker::findSocket(Visit visit)
{
    DIR* directory = opendir("/proc/self/fd");
    if (!directory)
        return -1;
    int found = -1;
    while (dirent* item = readdir(directory)) {
        const int descriptor = std::atoi(item->d_name);
        if (descriptor <= 2 || descriptor == dirfd(directory))
            continue;
        struct stat info {};
        if (fstat(descriptor, &info) != 0 || !S_ISSOCK(info.st_mode))
            continue;
        sockaddr_storage peer{}, local{};
        socklen_t peerLength = sizeof peer, localLength = sizeof local;
        if (getpeername(descriptor, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0 ||
            getsockname(descriptor, reinterpret_cast<sockaddr*>(&local), &localLength) != 0)
            continue;
        if (visit(descriptor, peer, local)) {
            found = descriptor;
            break;
        }
    }
    closedir(directory);
    return found;
}

int ConnectionBreaker::find(const std::string& peerAddress, int peerPort, int localPort)
{
    return findSocket([&](int, const sockaddr_storage& peer, const sockaddr_storage& local) {
        return endpointIs(peer, &peerAddress, peerPort) && endpointIs(local, nullptr, localPort);
    });
}

void ConnectionBreaker::stopReadingIdle(int localPort, const std::function<bool(int peerPort)>& busy)
{
    std::lock_guard guard(breaking());
    findSocket([&](int descriptor, const sockaddr_storage& peer, const sockaddr_storage& local) {
        if (endpointIs(local, nullptr, localPort) && !busy(portOf(peer)))
            shutdown(descriptor, SHUT_RD);
        return false;
    });
}

bool ConnectionBreaker::replaceWithNull(int descriptor)
{
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0)
        return false;
    const bool replaced = dup2(null, descriptor) == descriptor;
    ::close(null);
    return replaced;
}

bool ConnectionBreaker::close(const std::string& peerAddress, int peerPort, int localPort)
{
    std::lock_guard guard(breaking());
    const int descriptor = find(peerAddress, peerPort, localPort);
    return descriptor >= 0 && replaceWithNull(descriptor);
}

bool ConnectionBreaker::reset(const std::string& peerAddress, int peerPort, int localPort)
{
    std::lock_guard guard(breaking());
    const int descriptor = find(peerAddress, peerPort, localPort);
    if (descriptor < 0)
        return false;
    const linger abort{1, 0};
    setsockopt(descriptor, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    return replaceWithNull(descriptor);
}

}  // namespace morvix::sim
