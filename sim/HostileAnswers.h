#pragma once

#include "StopSignal.h"

#include <httplib.h>

#include <cstddef>
#include <chrono>

namespace morvix::sim {

// Answers of a hostile or broken server, for fault injection: each starts like an accepted list
// reply and then never lets a careless client finish.
namespace HostileAnswers {

// A list whose records never end, until the client goes away or the server stops.
void endless(httplib::Response& response, const StopSignal& stop);
// A small gzip-compressed body that inflates to `inflatedBytes` of JSON white space inside a list.
void compressedBomb(httplib::Response& response, long long inflatedBytes, const StopSignal& stop);
// The headers and the first bytes of a list, then nothing for `quiet`, then the connection ends.
void stalled(httplib::Response& response, std::chrono::milliseconds quiet, const StopSignal& stop);
// A JSON array nested `depth` deep.
void deeplyNested(httplib::Response& response, long long depth);

}  // namespace HostileAnswers

}  // namespace morvix::sim
