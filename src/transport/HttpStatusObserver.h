#pragma once

namespace nsMoxHttp {

// Told the HTTP status of every exchange that got an answer, on the request's thread. The
// exchange itself ignores the status (an error page goes to the reply parser as any reply); a
// program that reports the status to its user sets an observer. None is set by default.
using HttpStatusObserver = void (*)(long status);
void SetHttpStatusObserver(HttpStatusObserver observer);
void ReportHttpStatus(long status);

}  // namespace nsMoxHttp
