#pragma once

#include "SimServer.h"
#include "support/SimClient.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <json/reader.h>

#include <memory>
#include <string>

namespace morvix::sim::test {

// A simulator served in this process on a free loopback port, driven over HTTP like any client.
class SimFixture : public ::testing::Test {
protected:
    void SetUp() override { startServer(SimOptions()); }

    void startServer(SimOptions options)
    {
        server.reset();
        options.host = "127.0.0.1";
        options.port = 0;
        if (!options.seed)
            options.seed = 7;
        server = std::make_unique<SimServer>(options);
        client = morvix::test::SimClient(server->start());
        adminSession = client.signIn("admin", options.adminPassword);
    }

    // An administration request as the console sends it: the session first, then the fields.
    Json::Value call(const std::string& type, const std::string& cmd, const std::string& fields = "",
                     const std::string& session = "")
    {
        std::string body = "SessionID=" + (session.empty() ? adminSession : session) + "&RequestID=" +
                           std::to_string(++requestNumber);
        if (!fields.empty())
            body += "&" + fields;
        return client.call(type, cmd, body);
    }

    httplib::Result post(const std::string& target, const std::string& body)
    {
        httplib::Client http("127.0.0.1", client.port());
        return http.Post(target.c_str(), body, "application/x-www-form-urlencoded");
    }

    static Json::Value parse(const std::string& text)
    {
        Json::CharReaderBuilder builder;
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        Json::Value value;
        std::string errors;
        reader->parse(text.data(), text.data() + text.size(), &value, &errors);
        return value;
    }

    static std::string errorOf(const Json::Value& reply)
    {
        return reply["Return"].asString() == "True" ? "accepted" : reply["ErrorNo"].asString();
    }

    std::unique_ptr<SimServer> server;
    morvix::test::SimClient client;
    std::string adminSession;
    unsigned requestNumber = 1;
};

}  // namespace morvix::sim::test
