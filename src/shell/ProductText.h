#pragma once

#include <string>
#include <string_view>

// A text that names the product, as an OEM build shows it: "缓存服务器" in the product's place,
// without the blank that separated the Latin name from the Chinese around it. The text is
// translated first: text is its Chinese source.
std::string ProductText(std::string_view text, bool oem);
