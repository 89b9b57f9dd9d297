#pragma once

#include <string_view>

namespace nsMoxHttp {

// The operator's text for an error number of the server; empty for a number the table lacks.
std::string_view ErrorText(int errorNo);

}  // namespace nsMoxHttp
