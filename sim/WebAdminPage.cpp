#include "WebAdminPage.h"

#include "SessionStore.h"

namespace morvix::sim {

namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

WebAdminPage::WebAdminPage(SessionStore& sessions) : sessions_(sessions) {}

void WebAdminPage::install(httplib::Server& server)
{
    server.Get("/morvix/login-api.htm", [this](const httplib::Request& request, httplib::Response& response) {
        const auto role = sessions_.use(request.get_param_value("SessionID"));
        std::string status = role ? std::string("会话有效，帐号：") + (*role == Role::Admin ? "admin" : "keeper")
                                  : "会话无效或已过期，请在控制台重新登录。";
        response.set_content(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Morvix Web 管理</title></head><body>\n"
            "<h1>Morvix Web 管理</h1>\n<p>" +
                escaped(status) + "</p>\n<p>版本：" + escaped(request.get_param_value("version")) + " " +
                escaped(request.get_param_value("VersionExt")) +
                "</p>\n<p>这是 morvix-sim 提供的演示页面。</p>\n</body></html>\n",
            "text/html; charset=utf-8");
    });
}

}  // namespace morvix::sim
