#pragma once

#include <json/value.h>

#include <string>
#include <vector>

namespace morvix::test {

class SimClient;

// One view of the main window as the window model drives it: what the operator changes through its
// own controls, and what it shows (with any copy the console keeps of it beside the view) against
// what the current server holds, each as comparable lines.
class ModelledView {
public:
    // A request where a fault can be aimed; an empty type when the view only shows.
    struct Request {
        std::string type;
        std::string cmd;
    };

    virtual ~ModelledView() = default;

    virtual std::string Name() const = 0;
    // Gives the server contents of its own, so that what one server holds never equals the other's;
    // `server` is 0 for the first server and 1 for the second.
    virtual void Prepare(SimClient& server, int serverIndex) = 0;
    // Puts the view in front, as the operator choosing it does; it may read what it shows.
    virtual void Bring() = 0;

    // The request the change made with this serial sends.
    virtual Request ChangeRequest(int /*serial*/) const { return {}; }
    // Makes one change through the view's controls, with texts no other change used (from `serial`),
    // and leaves its reply to come. The view is in front and idle.
    virtual void Change(int /*serial*/) {}

    // No reply awaited and no form open.
    virtual bool Idle() const = 0;
    // Closes the view's open form: any, or only one whose reply came and left it open.
    virtual void CloseForm(bool /*onlyAnswered*/) {}

    virtual std::vector<std::string> Shown() const = 0;
    virtual std::vector<std::string> Held(const Json::Value& state) const = 0;
};

}  // namespace morvix::test
