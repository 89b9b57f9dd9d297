#pragma once

#include <exception>
#include <string>

namespace morvix::sim {

// The error numbers of the administration interface that this server gives out.
enum ErrorNo : int {
    Busy = 10,
    Unsupported = 11,
    WrongLogin = 20,
    SessionExpired = 21,
    ReadOnlyAccount = 22,
    BadField = 23,
    UrlAddRefused = 30,
    UrlModifyRefused = 31,
    CleanPatternInvalid = 32,
    ListAddConflict = 40,
    ListModifyConflict = 41,
    ProxyAddExists = 50,
    ProxyModifyMissing = 51,
    UpstreamAddExists = 52,
    UpstreamModifyMissing = 53,
    RewriteAddRefused = 60,
    RewriteModifyRefused = 61,
    MonitorItemMissing = 90,
    DnsDomainExists = 110,
};

// Thrown by a command handler to refuse a request; the front turns it into the envelope's ErrorNo.
class AdminError : public std::exception {
public:
    explicit AdminError(int number, std::string detail = {});
    int number() const { return number_; }
    const char* what() const noexcept override { return detail_.c_str(); }

private:
    int number_;
    std::string detail_;
};

}  // namespace morvix::sim
