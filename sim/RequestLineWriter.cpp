#include "RequestLineWriter.h"

#include "Ipv4.h"
#include "TrafficModel.h"
#include "WallClock.h"

namespace morvix::sim {

namespace {

constexpr int regexAttemptsPerLine = 8;

}  // namespace

RequestLineWriter::RequestLineWriter(const StreamFilter& filter, uint64_t seed)
    : filter_(filter), random_(seed)
{
    if (!filter_.pattern.empty())
        pattern_ = UrlPattern::compile(filter_.pattern, filter_.matchKind, filter_.ignoreCase);
}

std::string RequestLineWriter::candidateUrl()
{
    if (!pattern_)
        return TrafficModel::sampleUrl(random_);
    switch (pattern_->kind()) {
    case UrlPattern::Exact:
        return pattern_->text();
    case UrlPattern::Regex:
        return TrafficModel::sampleUrl(random_);
    case UrlPattern::Wildcard:
        break;
    }
    // Wildcards are filled in, so that every line matches by construction.
    std::string url;
    const std::string& pattern = pattern_->text();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '*') {
            url += i == 0 ? TrafficModel::sampleUrl(random_) : TrafficModel::sampleFragment(random_);
        } else if (pattern[i] == '?') {
            url += static_cast<char>('a' + random_.between(0, 25));
        } else {
            url += pattern[i];
        }
    }
    return url;
}

uint32_t RequestLineWriter::clientAddress()
{
    if (filter_.ipLow && filter_.ipHigh)
        return static_cast<uint32_t>(random_.between(*filter_.ipLow, *filter_.ipHigh));
    static const uint32_t networks[] = {0x0A000000, 0xC0A80000, 0x7B700000, 0xDA1E0000};
    return networks[random_.next() % 4] | static_cast<uint32_t>(random_.between(1, 0xFFFE));
}

const std::string& RequestLineWriter::timeText()
{
    const std::time_t now = std::time(nullptr);
    if (now != shownSecond_) {
        shownSecond_ = now;
        shownTime_ = formatTime(now);
    }
    return shownTime_;
}

bool RequestLineWriter::appendLine(std::string& out)
{
    std::string url;
    for (int attempt = 0; attempt < regexAttemptsPerLine; ++attempt) {
        std::string candidate = candidateUrl();
        if (!pattern_ || pattern_->matches(candidate)) {
            url = std::move(candidate);
            break;
        }
    }
    if (url.empty())
        return false;
    if (filter_.dateTime) {
        out += timeText();
        out += ' ';
    }
    out += formatIpv4(clientAddress());
    if (filter_.location) {
        out += ' ';
        out += TrafficModel::sampleProvince(random_);
    }
    out += ' ';
    out += url;
    if (filter_.hitCache)
        out += random_.unit() < 0.75 ? " HitCache=1" : " HitCache=0";
    if (filter_.hitMemberCache)
        out += random_.unit() < 0.1 ? " HitMemberCache=1" : " HitMemberCache=0";
    if (filter_.invalidRequest)
        out += random_.unit() < 0.02 ? " InvalidRequest=1" : " InvalidRequest=0";
    if (filter_.userAgent) {
        out += " \"";
        out += TrafficModel::sampleUserAgent(random_);
        out += '"';
    }
    out += "\r\n";
    return true;
}

}  // namespace morvix::sim
