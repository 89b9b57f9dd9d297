#include "SimClient.h"

#include <httplib.h>
#include <json/reader.h>
#include <json/writer.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace morvix::test {

namespace {

Json::Value parseJson(const std::string& text, const std::string& what)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &value, &errors))
        throw std::runtime_error(what + " is not JSON: " + errors + "\n" + text);
    return value;
}

std::string encodeValue(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || std::strchr("-_.!~*'()", c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

}  // namespace

std::string SimClient::host() const
{
    return (https_ ? "https://127.0.0.1:" : "127.0.0.1:") + std::to_string(port_);
}

httplib::Client SimClient::connect() const
{
    httplib::Client client((https_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_));
    client.enable_server_certificate_verification(false);
    return client;
}

Json::Value SimClient::getJson(const std::string& path)
{
    httplib::Client client = connect();
    const auto result = client.Get(path.c_str());
    if (!result || result->status != 200)
        throw std::runtime_error("GET " + path + " failed");
    return parseJson(result->body, path);
}

void SimClient::postJson(const std::string& path, const Json::Value& body)
{
    Json::StreamWriterBuilder builder;
    httplib::Client client = connect();
    const auto result = client.Post(path.c_str(), Json::writeString(builder, body), "application/json");
    if (!result || result->status != 200)
        throw std::runtime_error("POST " + path + " failed" + (result ? ": " + result->body : std::string()));
}

Json::Value SimClient::requests()
{
    return getJson("/sim/requests");
}

Json::Value SimClient::faults()
{
    return getJson("/sim/faults");
}

void SimClient::clearRequests()
{
    postJson("/sim/requests/clear", Json::objectValue);
}

void SimClient::addFault(const Json::Value& fault)
{
    postJson("/sim/faults", fault);
}

void SimClient::clearFaults()
{
    postJson("/sim/faults/clear", Json::objectValue);
}

void SimClient::expireSessions()
{
    postJson("/sim/sessions/expire", Json::objectValue);
}

Json::Value SimClient::sessions()
{
    return getJson("/sim/sessions");
}

Json::Value SimClient::state()
{
    return getJson("/sim/state");
}

void SimClient::setState(const std::string& family, const Json::Value& document)
{
    postJson("/sim/state/" + family, document);
}

void SimClient::setSettings(const Json::Value& settings)
{
    postJson("/sim/settings", settings);
}

Json::Value SimClient::call(const std::string& type, const std::string& cmd, const std::string& body)
{
    httplib::Client client = connect();
    const std::string path = "/morvix/webcache.mox?type=" + type + "&cmd=" + cmd;
    const auto result = client.Post(path.c_str(), body, "application/x-www-form-urlencoded");
    if (!result)
        throw std::runtime_error("POST " + path + " got no answer");
    return parseJson(result->body, path);
}

std::string SimClient::signIn(const std::string& role, const std::string& password)
{
    const Json::Value reply =
        call("sign", "in", "Username=" + role + "&Password=" + encodeValue(password) + "&RequestID=1");
    if (reply["Return"].asString() != "True")
        throw std::runtime_error("sign-in as " + role + " refused: " + reply["ErrorNo"].asString());
    return reply["SessionID"].asString();
}

}  // namespace morvix::test
