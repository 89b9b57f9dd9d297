#include "ControlEndpoint.h"

#include "FaultInjector.h"
#include "RequestLog.h"
#include "RuntimeSettings.h"
#include "SessionStore.h"
#include "SimState.h"
#include "StateJson.h"

#include <json/reader.h>
#include <json/writer.h>

#include <memory>
#include <mutex>

namespace morvix::sim {

namespace {

const char* const jsonType = "application/json; charset=utf-8";

void sendJson(httplib::Response& response, const Json::Value& value, int status = 200)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    response.status = status;
    response.set_content(Json::writeString(builder, value), jsonType);
}

void sendDone(httplib::Response& response)
{
    Json::Value done(Json::objectValue);
    done["ok"] = true;
    sendJson(response, done);
}

void sendProblem(httplib::Response& response, const std::string& message)
{
    Json::Value problem(Json::objectValue);
    problem["ok"] = false;
    problem["error"] = message;
    sendJson(response, problem, 400);
}

// The request body as JSON; sends a 400 and gives nothing when it is not.
std::optional<Json::Value> jsonBody(const httplib::Request& request, httplib::Response& response)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string errors;
    if (!reader->parse(request.body.data(), request.body.data() + request.body.size(), &value, &errors)) {
        sendProblem(response, "the body is not JSON: " + errors);
        return std::nullopt;
    }
    return value;
}

}  // namespace

ControlEndpoint::ControlEndpoint(SimState& state, RequestLog& log, FaultInjector& faults, SessionStore& sessions,
                                 RuntimeSettings& settings)
    : state_(state), log_(log), faults_(faults), sessions_(sessions), settings_(settings)
{
}

void ControlEndpoint::install(httplib::Server& server)
{
    server.Get("/sim/requests", [this](const httplib::Request&, httplib::Response& response) {
        sendJson(response, log_.toJson());
    });
    server.Post("/sim/requests/clear", [this](const httplib::Request&, httplib::Response& response) {
        log_.clear();
        sendDone(response);
    });
    server.Get("/sim/faults", [this](const httplib::Request&, httplib::Response& response) {
        sendJson(response, faults_.toJson());
    });
    server.Post("/sim/faults", [this](const httplib::Request& request, httplib::Response& response) {
        const auto description = jsonBody(request, response);
        if (!description)
            return;
        try {
            faults_.add(Fault::fromJson(*description));
            sendDone(response);
        } catch (const std::invalid_argument& error) {
            sendProblem(response, error.what());
        }
    });
    server.Post("/sim/faults/clear", [this](const httplib::Request&, httplib::Response& response) {
        faults_.clear();
        sendDone(response);
    });
    server.Post("/sim/sessions/expire", [this](const httplib::Request&, httplib::Response& response) {
        sessions_.expireAll();
        sendDone(response);
    });
    server.Get("/sim/sessions", [this](const httplib::Request&, httplib::Response& response) {
        sendJson(response, sessions_.toJson());
    });
    server.Get("/sim/settings", [this](const httplib::Request&, httplib::Response& response) {
        showSettings(response);
    });
    server.Post("/sim/settings", [this](const httplib::Request& request, httplib::Response& response) {
        changeSettings(request, response);
    });
    server.Get("/sim/state", [this](const httplib::Request&, httplib::Response& response) {
        std::lock_guard lock(state_.mutex());
        sendJson(response, state_.document());
    });
    server.Post("/sim/state", [this](const httplib::Request& request, httplib::Response& response) {
        setState(request, response);
    });
    server.Post(R"(/sim/state/([A-Za-z]+))", [this](const httplib::Request& request, httplib::Response& response) {
        setFamilyState(request, response);
    });
}

void ControlEndpoint::setState(const httplib::Request& request, httplib::Response& response)
{
    const auto document = jsonBody(request, response);
    if (!document)
        return;
    std::lock_guard lock(state_.mutex());
    try {
        state_.load(*document);
        state_.persist();
        sendDone(response);
    } catch (const StateFormatError& error) {
        sendProblem(response, error.what());
    }
}

void ControlEndpoint::setFamilyState(const httplib::Request& request, httplib::Response& response)
{
    const auto body = jsonBody(request, response);
    if (!body)
        return;
    const std::string name = request.matches[1];
    std::lock_guard lock(state_.mutex());
    StateFamily* family = state_.family(name);
    if (!family) {
        sendProblem(response, "no state family \"" + name + "\"");
        return;
    }
    try {
        if (body->isMember("count")) {
            if (!(*body)["count"].isIntegral() || (*body)["count"].asInt64() < 0)
                throw StateFormatError("\"count\" must be a non-negative integer");
            if (!state_.generate(name, static_cast<size_t>((*body)["count"].asUInt64())))
                throw StateFormatError("\"" + name + "\" has no entries to generate");
        } else {
            family->load(*body);
        }
        state_.persist();
        sendDone(response);
    } catch (const StateFormatError& error) {
        sendProblem(response, error.what());
    }
}

void ControlEndpoint::changeSettings(const httplib::Request& request, httplib::Response& response)
{
    const auto body = jsonBody(request, response);
    if (!body)
        return;
    if (!body->isObject()) {
        sendProblem(response, "settings are a JSON object");
        return;
    }
    const Json::Value& rate = (*body)["streamRate"];
    const Json::Value& timeout = (*body)["sessionTimeout"];
    const Json::Value& versionExt = (*body)["versionExt"];
    if ((!rate.isNull() && (!rate.isNumeric() || rate.asDouble() < 0)) ||
        (!timeout.isNull() && (!timeout.isIntegral() || timeout.asInt64() < 1)) ||
        (!versionExt.isNull() && !versionExt.isString())) {
        sendProblem(response, "expected streamRate >= 0, sessionTimeout >= 1 (seconds), versionExt text");
        return;
    }
    if (!rate.isNull())
        settings_.setStreamRate(rate.asDouble());
    if (!timeout.isNull())
        sessions_.setIdleTimeout(std::chrono::seconds(timeout.asInt64()));
    if (!versionExt.isNull())
        settings_.setVersionExt(versionExt.asString());
    showSettings(response);
}

void ControlEndpoint::showSettings(httplib::Response& response)
{
    Json::Value settings(Json::objectValue);
    settings["streamRate"] = settings_.streamRate();
    settings["sessionTimeout"] = static_cast<Json::Int64>(sessions_.idleTimeout().count());
    settings["version"] = settings_.version();
    settings["versionExt"] = settings_.versionExt();
    settings["seed"] = static_cast<Json::UInt64>(state_.seed());
    sendJson(response, settings);
}

}  // namespace morvix::sim
