#pragma once

#include <httplib.h>

namespace morvix::sim {

class SessionStore;

// "/morvix/login-api.htm", the server's own small web administration page that the console
// opens in the browser with the session's values in its address.
class WebAdminPage {
public:
    explicit WebAdminPage(SessionStore& sessions);
    void install(httplib::Server& server);

private:
    SessionStore& sessions_;
};

}  // namespace morvix::sim
