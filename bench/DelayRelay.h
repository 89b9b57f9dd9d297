#pragma once

// A loopback relay that makes a server on this machine look distant: every byte it passes on, in
// either direction, arrives a fixed delay after it was sent, and a new connection pays one round
// trip before its first byte, as the TCP handshake does over a real link. Userspace only: one
// thread per direction reads and stamps, one per direction delivers when due.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace morvix::bench {

class DelayRelay {
public:
    using Clock = std::chrono::steady_clock;

    DelayRelay(int serverPort, std::chrono::milliseconds oneWay) : serverPort_(serverPort), oneWay_(oneWay)
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = Loopback(0);
        socklen_t length = sizeof address;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 64) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("the relay cannot listen");
        port_ = ntohs(address.sin_port);
        acceptor_ = std::thread([this] { Accept(); });
    }

    ~DelayRelay()
    {
        stopping_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        acceptor_.join();
        ::close(listener_);
        std::lock_guard guard(lock_);
        for (auto& link : links_)
            link->Stop();
        links_.clear();
    }

    DelayRelay(const DelayRelay&) = delete;
    DelayRelay& operator=(const DelayRelay&) = delete;

    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
    // Connections the relay has accepted: each one a client opened.
    int Connections() const { return connections_.load(); }

private:
    static sockaddr_in Loopback(int port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    static void NoDelay(int socket)
    {
        const int yes = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    }

    // One direction of one connection: bytes read from `from` reach `to` once due.
    class Direction {
    public:
        Direction(int from, int to, std::chrono::milliseconds delay, Clock::time_point notBefore)
            : from_(from), to_(to), delay_(delay), notBefore_(notBefore)
        {
            reader_ = std::thread([this] { Read(); });
            writer_ = std::thread([this] { Write(); });
        }

        void Join()
        {
            reader_.join();
            writer_.join();
        }

    private:
        struct Chunk {
            Clock::time_point due;
            std::string bytes;  // empty: the sender closed its side
        };

        void Read()
        {
            char buffer[64 * 1024];
            for (;;) {
                const ssize_t got = ::recv(from_, buffer, sizeof buffer, 0);
                const Clock::time_point due = std::max(Clock::now(), notBefore_) + delay_;
                Push({due, got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string()});
                if (got <= 0)
                    return;
            }
        }

        void Push(Chunk chunk)
        {
            {
                std::lock_guard guard(lock_);
                chunks_.push_back(std::move(chunk));
            }
            arrived_.notify_one();
        }

        void Write()
        {
            for (;;) {
                Chunk chunk;
                {
                    std::unique_lock guard(lock_);
                    arrived_.wait(guard, [this] { return !chunks_.empty(); });
                    chunk = std::move(chunks_.front());
                    chunks_.pop_front();
                }
                std::this_thread::sleep_until(chunk.due);
                if (chunk.bytes.empty()) {
                    ::shutdown(to_, SHUT_WR);
                    return;
                }
                for (std::size_t sent = 0; sent < chunk.bytes.size();) {
                    const ssize_t put =
                        ::send(to_, chunk.bytes.data() + sent, chunk.bytes.size() - sent, MSG_NOSIGNAL);
                    if (put <= 0) {
                        ::shutdown(from_, SHUT_RD);
                        return;
                    }
                    sent += static_cast<std::size_t>(put);
                }
            }
        }

        const int from_;
        const int to_;
        const std::chrono::milliseconds delay_;
        const Clock::time_point notBefore_;
        std::mutex lock_;
        std::condition_variable arrived_;
        std::deque<Chunk> chunks_;
        std::thread reader_;
        std::thread writer_;
    };

    class Link {
    public:
        Link(int client, int server, std::chrono::milliseconds oneWay)
            : client_(client), server_(server),
              // The handshake's round trip passes before the client's first byte leaves.
              up_(client, server, oneWay, Clock::now() + 2 * oneWay),
              down_(server, client, oneWay, Clock::now())
        {
        }

        void Stop()
        {
            ::shutdown(client_, SHUT_RDWR);
            ::shutdown(server_, SHUT_RDWR);
            up_.Join();
            down_.Join();
            ::close(client_);
            ::close(server_);
        }

    private:
        const int client_;
        const int server_;
        Direction up_;
        Direction down_;
    };

    void Accept()
    {
        while (!stopping_) {
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0)
                return;
            const int server = ::socket(AF_INET, SOCK_STREAM, 0);
            const sockaddr_in address = Loopback(serverPort_);
            if (server < 0 || ::connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
                ::close(client);
                if (server >= 0)
                    ::close(server);
                continue;
            }
            NoDelay(client);
            NoDelay(server);
            ++connections_;
            std::lock_guard guard(lock_);
            links_.push_back(std::make_unique<Link>(client, server, oneWay_));
        }
    }

    const int serverPort_;
    const std::chrono::milliseconds oneWay_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0};
    std::mutex lock_;
    std::list<std::unique_ptr<Link>> links_;
    std::thread acceptor_;
};

}  // namespace morvix::bench
