#pragma once

#include <string>

// Starts a login to host (with port): the server instance takes host, password and role and is
// no longer connected, event 2 and the "connecting" text are posted, and the sign-in request goes
// out. Its reply posts event 3, 4 or 6 with passThrough in the record (1 marks the main window's
// silent re-login). True when the request was handed to the transport.
bool MoxLogin(const std::string& host, int role, const std::string& password, int passThrough = 0);
