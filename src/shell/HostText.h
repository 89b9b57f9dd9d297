#pragma once

#include <string>
#include <string_view>

// What the operator typed into the host field: the server address and an optional label.
struct HostText {
    std::string host;  // address with ":" and port; empty when the text holds no address
    std::string name;  // the label after the address, blanks trimmed
};

// The leading run of letters, digits and - . : _ is the address (without trailing - . : _), the
// rest is the label. An address without a ":" after its first character gets ":" and the port.
// A leading "https://" stays with the address; "http://" is dropped, being what none means.
HostText SplitHostText(std::string_view text, std::string_view port);

// The history file name of a host: every ":" replaced by "&"; an https host's begins "https@".
std::string HostFileStem(std::string_view host);

// True when the text is an address as SplitHostText yields one, so it can name a file safely.
bool IsPlainHost(std::string_view host);
