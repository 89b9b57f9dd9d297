#pragma once

#include <gtest/gtest.h>
#include <json/json.h>

#include <memory>
#include <string>

namespace morvix::test {

// The JSON document a program printed; a parse failure fails the test with the text.
inline Json::Value ParseJson(const std::string& text)
{
    Json::Value root;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    EXPECT_TRUE(reader->parse(text.data(), text.data() + text.size(), &root, &errors)) << errors << text;
    return root;
}

}  // namespace morvix::test
