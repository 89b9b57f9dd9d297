#include "HostileAnswers.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <string>

namespace morvix::sim::HostileAnswers {

namespace {

constexpr char listHead[] = "{\"RequestID\":\"1\",\"Return\":\"True\",\"NumOfLists\":\"1\",\"Lists\":[";
constexpr std::size_t pieceBytes = 64 * 1024;

// Deflates white space piece by piece as the client reads, so the server never holds the
// inflated size and stops working as soon as the client gives up.
class GzipWhiteSpace {
public:
    explicit GzipWhiteSpace(long long inflatedBytes) : left_(inflatedBytes)
    {
        // 15 + 16: a gzip wrapper, which libcurl decodes for "Content-Encoding: gzip".
        deflateInit2(&stream_, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
    }
    ~GzipWhiteSpace() { deflateEnd(&stream_); }
    GzipWhiteSpace(const GzipWhiteSpace&) = delete;
    GzipWhiteSpace& operator=(const GzipWhiteSpace&) = delete;

    // The next compressed bytes; false once the stream has ended.
    bool next(std::string& out)
    {
        if (finished_)
            return false;
        std::string input = headWritten_ ? std::string() : std::string(listHead);
        headWritten_ = true;
        const long long spaces = std::min<long long>(left_, pieceBytes);
        input.append(static_cast<std::size_t>(spaces), ' ');
        left_ -= spaces;
        const int flush = left_ == 0 ? Z_FINISH : Z_NO_FLUSH;
        stream_.next_in = reinterpret_cast<Bytef*>(input.data());
        stream_.avail_in = static_cast<uInt>(input.size());
        char buffer[pieceBytes];
        do {
            stream_.next_out = reinterpret_cast<Bytef*>(buffer);
            stream_.avail_out = sizeof buffer;
            const int result = deflate(&stream_, flush);
            out.append(buffer, sizeof buffer - stream_.avail_out);
            if (result == Z_STREAM_END)
                finished_ = true;
        } while (stream_.avail_out == 0);
        return true;
    }

private:
    z_stream stream_{};
    long long left_;
    bool headWritten_ = false;
    bool finished_ = false;
};

}  // namespace

void endless(httplib::Response& response, const StopSignal& stop)
{
    std::string records;
    while (records.size() < pieceBytes)
        records += "{\"Wid\":\"1\",\"Url\":\"*\",\"Note\":\"\"},";
    response.set_chunked_content_provider(
        "application/json", [&stop, records, headWritten = false](size_t, httplib::DataSink& sink) mutable {
            if (stop.raised())
                return false;
            if (!headWritten) {
                headWritten = true;
                return sink.write(listHead, sizeof listHead - 1);
            }
            return sink.write(records.data(), records.size());
        });
}

void compressedBomb(httplib::Response& response, long long inflatedBytes, const StopSignal& stop)
{
    // Set by hand, so the library leaves the body as it is; it compresses only text types.
    response.set_header("Content-Encoding", "gzip");
    auto gzip = std::make_shared<GzipWhiteSpace>(inflatedBytes);
    response.set_chunked_content_provider(
        "application/octet-stream", [&stop, gzip](size_t, httplib::DataSink& sink) {
            std::string compressed;
            if (stop.raised() || !gzip->next(compressed)) {
                sink.done();
                return true;
            }
            return compressed.empty() || sink.write(compressed.data(), compressed.size());
        });
}

void stalled(httplib::Response& response, std::chrono::milliseconds quiet, const StopSignal& stop)
{
    response.set_chunked_content_provider(
        "application/json", [&stop, quiet](size_t, httplib::DataSink& sink) {
            sink.write(listHead, sizeof listHead - 1);
            stop.waitFor(quiet);
            return false;
        });
}

void deeplyNested(httplib::Response& response, long long depth)
{
    std::string body = "{\"RequestID\":\"1\",\"Return\":\"True\",\"NumOfLists\":\"1\",\"Lists\":";
    body.append(static_cast<std::size_t>(depth), '[');
    body.append(static_cast<std::size_t>(depth), ']');
    body += '}';
    response.set_content(std::move(body), "application/json");
}

}  // namespace morvix::sim::HostileAnswers
