#include "SimFixture.h"

#include "Ipv4.h"
#include "UrlPattern.h"

#include <sstream>
#include <vector>

namespace morvix::sim::test {

namespace {

struct StreamRun {
    std::vector<std::string> lines;
    std::string rest;  // text after the last complete line
    std::string contentType;
    bool completed = false;  // the server ended the response
    bool failed = false;     // the connection broke
};

}  // namespace

class LiveStream : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        Json::Value settings;
        settings["streamRate"] = 2000;
        client.setSettings(settings);
    }

    // Reads the stream until `wanted` lines have come, the server ends it, or the connection breaks.
    StreamRun run(const std::string& fields, size_t wanted, const std::string& method = "POST")
    {
        StreamRun result;
        httplib::Client http("127.0.0.1", client.port());
        httplib::Request request;
        request.method = method;
        const std::string body = "SessionID=" + adminSession + "&RequestID=9&" + fields;
        request.path = "/morvix/webcache.mox?type=realtime&cmd=instantrequest";
        if (method == "POST") {
            request.body = body;
            request.set_header("Content-Type", "application/x-www-form-urlencoded");
        } else {
            request.path += "&" + body;
        }
        request.response_handler = [&](const httplib::Response& response) {
            result.contentType = response.get_header_value("Content-Type");
            return true;
        };
        request.content_receiver = [&](const char* data, size_t length, uint64_t, uint64_t) {
            result.rest.append(data, length);
            size_t end;
            while ((end = result.rest.find("\r\n")) != std::string::npos) {
                result.lines.push_back(result.rest.substr(0, end));
                result.rest.erase(0, end + 2);
            }
            return result.lines.size() < wanted;
        };
        httplib::Response response;
        httplib::Error error = httplib::Error::Success;
        result.completed = http.send(request, response, error);
        result.failed = !result.completed && error != httplib::Error::Canceled;
        return result;
    }
};

TEST_F(LiveStream, LinesMatchThePatternTheRangeAndTheSwitches)
{
    const StreamRun stream = run("RequestUrl=http%3A%2F%2Fwww.example.com%2Fnews%2F*&Icase=1&Rules=0&Location=0&"
                                 "DateTime=1&HitCache=1&UserAgent=0&InvalidRequest=0&HitMemberCache=1&"
                                 "IPLow=192.168.1.10&IPHigh=192.168.1.20",
                                 50);
    ASSERT_GE(stream.lines.size(), 50u);
    EXPECT_EQ(stream.contentType.rfind("text/plain", 0), 0u);
    const auto pattern = UrlPattern::compile("http://www.example.com/news/*", UrlPattern::Wildcard, true);
    for (const std::string& line : stream.lines) {
        std::istringstream fields(line);
        std::string date, time, address, url, hit, member;
        ASSERT_TRUE(fields >> date >> time >> address >> url >> hit >> member) << line;
        EXPECT_EQ(date.size(), 10u) << line;
        const auto ip = parseIpv4(address);
        ASSERT_TRUE(ip) << line;
        EXPECT_GE(*ip, *parseIpv4("192.168.1.10"));
        EXPECT_LE(*ip, *parseIpv4("192.168.1.20"));
        EXPECT_TRUE(pattern->matches(url)) << url;
        EXPECT_EQ(hit.rfind("HitCache=", 0), 0u);
        EXPECT_EQ(member.rfind("HitMemberCache=", 0), 0u);
        EXPECT_EQ(line.find('"'), std::string::npos) << "no user agent unless asked";
    }
}

TEST_F(LiveStream, ExactAndRegularExpressionPatterns)
{
    const StreamRun exact =
        run("RequestUrl=http%3A%2F%2Fbbs.example.org%2Fforum.php&Icase=0&Rules=2&Location=0&DateTime=0&HitCache=0&"
            "UserAgent=1&InvalidRequest=0&HitMemberCache=0",
            10);
    ASSERT_GE(exact.lines.size(), 10u);
    for (const std::string& line : exact.lines) {
        EXPECT_NE(line.find(" http://bbs.example.org/forum.php \"Mozilla"), std::string::npos) << line;
    }
    const StreamRun regex = run("RequestUrl=%5C.jpg%24&Icase=1&Rules=1&Location=1&DateTime=0&HitCache=0&"
                                "UserAgent=0&InvalidRequest=1&HitMemberCache=0",
                                10);
    ASSERT_GE(regex.lines.size(), 10u);
    for (const std::string& line : regex.lines)
        EXPECT_NE(line.find(".jpg InvalidRequest="), std::string::npos) << line;
}

TEST_F(LiveStream, CutFaultEndsTheResponseAfterThatManyLines)
{
    Json::Value cut;
    cut["kind"] = "cut-stream";
    cut["lines"] = 7;
    cut["count"] = 1;
    client.addFault(cut);
    const StreamRun stream =
        run("RequestUrl=*&Icase=1&Rules=0&Location=0&DateTime=0&HitCache=0&UserAgent=0&InvalidRequest=0&"
            "HitMemberCache=0",
            1000);
    EXPECT_TRUE(stream.completed);
    EXPECT_EQ(stream.lines.size(), 7u);
    EXPECT_EQ(stream.rest, "");
}

TEST_F(LiveStream, ResetFaultBreaksTheStreamInsideALine)
{
    Json::Value reset;
    reset["kind"] = "reset";
    reset["type"] = "realtime";
    client.addFault(reset);
    const StreamRun stream =
        run("RequestUrl=*&Icase=1&Rules=0&Location=0&DateTime=0&HitCache=0&UserAgent=0&InvalidRequest=0&"
            "HitMemberCache=0",
            100000);
    EXPECT_FALSE(stream.completed);
    EXPECT_LT(stream.lines.size(), 100000u);
}

TEST_F(LiveStream, BrowserPageCarriesTheSameStreamAsHtml)
{
    const StreamRun page = run("RequestUrl=http%3A%2F%2Fwww.example.com%2F*&Rules=0&Icase=1&DateTime=1&Location=1&"
                               "HitCache=1&ContentType=html&GetRandomNum=1700000000",
                               5, "GET");
    EXPECT_EQ(page.contentType.rfind("text/html", 0), 0u);
    ASSERT_GE(page.lines.size(), 5u);
    EXPECT_EQ(page.lines[0], "<!DOCTYPE html>");
    EXPECT_NE(page.lines[2].find("http://www.example.com/"), std::string::npos) << page.lines[2];
}

TEST_F(LiveStream, RefusedStreamsAnswerWithTheEnvelope)
{
    EXPECT_EQ(errorOf(call("realtime", "instantrequest", "RequestUrl=(&Icase=1&Rules=1")), "23");
    EXPECT_EQ(errorOf(call("realtime", "instantrequest", "RequestUrl=x&Icase=1&Rules=0&IPLow=10.0.0.9&IPHigh=10.0.0.1")),
              "23");
    EXPECT_EQ(errorOf(call("realtime", "instantrequest", "RequestUrl=x&Icase=1&Rules=0", "BADSESSION")), "21");
}

}  // namespace morvix::sim::test
