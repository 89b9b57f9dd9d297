#pragma once

#include <string>

// Starts a login to host (with port): the server instance takes host, password and role and is
// no longer connected, event 2 and the "connecting" text are posted, and the sign-in request goes
// out. Its reply posts event 3, 4 or 6 with passThrough in the record (1 marks the main window's
// silent re-login). Returns the session generation the attempt began (carried by its events' records
// as `attempt`), 0 when the request was not handed to the transport. A later attempt supersedes this
// one: its reply is then dropped unseen.
unsigned long MoxLogin(const std::string& host, int role, const std::string& password, int passThrough = 0);
