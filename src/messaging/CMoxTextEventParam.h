#pragma once

#include "messaging/CMoxEventParam.h"

#include <string>
#include <utility>

// A record that carries one UTF-8 text, e.g. the DNS cache reply delivered with kind 104.
class CMoxTextEventParam : public CMoxEventParam {
public:
    explicit CMoxTextEventParam(std::string text) : text_(std::move(text)) {}

    const std::string& Text() const { return text_; }

private:
    const std::string text_;
};
