#include "LiveStream.h"

#include "ConnectionBreaker.h"
#include "RequestLineWriter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

namespace morvix::sim {

namespace {

constexpr long long maxLinesPerWrite = 2000;
constexpr auto longestIdleWait = std::chrono::milliseconds(100);

const char* const pageHead =
    "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>实时访问监控</title></head>"
    "<body><pre>\r\n";
const char* const pageTail = "</pre></body></html>\r\n";

void appendEscaped(std::string& out, const std::string& text)
{
    for (char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

struct StreamProgress {
    RequestLineWriter writer;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    long long linesSent = 0;
    bool headWritten = false;
};

}  // namespace

LiveStream::LiveStream(const RuntimeSettings& settings, const StopSignal& stop, uint64_t seed)
    : settings_(settings), stop_(stop), seed_(seed)
{
}

void LiveStream::serve(const StreamFilter& filter, std::optional<long long> cutAfter, bool reset,
                       const httplib::Request& request, httplib::Response& response)
{
    // The library would compress a text response for a client that accepts gzip and hold lines
    // back in the compressor; a live stream must go out line by line, so the request's
    // Accept-Encoding is dropped. The request object is the library's own, not a constant.
    const_cast<httplib::Request&>(request).headers.erase("Accept-Encoding");

    auto progress = std::make_shared<StreamProgress>(
        StreamProgress{RequestLineWriter(filter, mixBits(seed_, streamsServed_++))});
    const bool html = filter.html;
    const std::string peer = request.remote_addr;
    const int peerPort = request.remote_port;
    const int localPort = request.local_port;

    response.set_chunked_content_provider(
        html ? "text/html; charset=utf-8" : "text/plain; charset=utf-8",
        [this, progress, html, cutAfter, reset, peer, peerPort, localPort](size_t, httplib::DataSink& sink) {
            if (stop_.raised())
                return false;
            std::string chunk;
            if (html && !progress->headWritten) {
                chunk = pageHead;
                progress->headWritten = true;
            }
            const double rate = settings_.streamRate();
            long long due = maxLinesPerWrite;
            if (rate > 0) {
                const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - progress->started;
                due = std::min(maxLinesPerWrite,
                               static_cast<long long>(std::floor(elapsed.count() * rate)) - progress->linesSent);
            }
            if (cutAfter)
                due = std::min(due, *cutAfter - progress->linesSent);
            for (long long i = 0; i < due; ++i) {
                std::string line;
                if (progress->writer.appendLine(line)) {
                    if (html)
                        appendEscaped(chunk, line);
                    else
                        chunk += line;
                }
                ++progress->linesSent;
            }
            if (reset && progress->linesSent > 0) {
                std::string half;
                progress->writer.appendLine(half);
                chunk += half.substr(0, half.size() / 2);
                sink.write(chunk.data(), chunk.size());
                ConnectionBreaker::reset(peer, peerPort, localPort);
                return false;
            }
            if (cutAfter && progress->linesSent >= *cutAfter) {
                if (html)
                    chunk += pageTail;
                if (!chunk.empty() && !sink.write(chunk.data(), chunk.size()))
                    return false;
                sink.done();
                return true;
            }
            if (!chunk.empty())
                return sink.write(chunk.data(), chunk.size());
            const auto untilNextLine = std::chrono::duration<double>(rate > 0 ? 1.0 / rate : 0.0);
            stop_.waitFor(std::min<std::chrono::steady_clock::duration>(
                std::chrono::duration_cast<std::chrono::steady_clock::duration>(untilNextLine), longestIdleWait));
            return true;
        });
}

}  // namespace morvix::sim
