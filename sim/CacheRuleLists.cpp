#include "CacheRuleLists.h"

#include "AdminError.h"
#include "SeededRandom.h"

namespace morvix::sim {

namespace {

const std::vector<std::string> sites = {"www.example.com", "news.example.com", "img.example.net",
                                        "bbs.example.org", "video.example.cn", "shop.example.com"};

FieldShape matchKind()
{
    return FieldShape::number("Rules", 0, 2);
}

}  // namespace

RuleListShape pageCacheRules()
{
    RuleListShape shape;
    shape.type = "fcache";
    shape.idKey = "Wid";
    shape.fields = {FieldShape::text("Url", 1024, true),
                   FieldShape::flag("Icase"),
                   matchKind(),
                   FieldShape::number("Expire", 0, 999999),
                   FieldShape::number("Unit", 0, 3),
                   FieldShape::flag("Icookie"),
                   FieldShape::number("Olimit", 0, 2),
                   FieldShape::flag("IsDiskCache"),
                   FieldShape::note("Note", 600)};
    shape.patternKey = "Url";
    shape.matchKindKey = "Rules";
    shape.addRefused = UrlAddRefused;
    shape.modifyRefused = UrlModifyRefused;
    shape.seed = {
        {{"Url", "http://www.example.com/*.html"}, {"Icase", "1"}, {"Rules", "0"}, {"Expire", "30"}, {"Unit", "2"},
         {"Icookie", "1"}, {"Olimit", "0"}, {"IsDiskCache", "1"}, {"Note", "首页与栏目页"}},
        {{"Url", "^http://img\\.example\\.net/.*\\.(jpg|png|gif)$"}, {"Icase", "1"}, {"Rules", "1"}, {"Expire", "7"},
         {"Unit", "0"}, {"Icookie", "1"}, {"Olimit", "0"}, {"IsDiskCache", "1"}, {"Note", "图片"}},
        {{"Url", "http://news.example.com/list.php?page=*"}, {"Icase", "0"}, {"Rules", "0"}, {"Expire", "5"},
         {"Unit", "2"}, {"Icookie", "0"}, {"Olimit", "2"}, {"IsDiskCache", "0"}, {"Note", "新闻列表，仅游客"}},
        {{"Url", "http://bbs.example.org/forum.php"}, {"Icase", "1"}, {"Rules", "2"}, {"Expire", "60"},
         {"Unit", "3"}, {"Icookie", "1"}, {"Olimit", "1"}, {"IsDiskCache", "0"}, {"Note", "论坛首页（登录用户）"}},
        {{"Url", "http://video.example.cn/*.mp4"}, {"Icase", "1"}, {"Rules", "0"}, {"Expire", "12"}, {"Unit", "1"},
         {"Icookie", "1"}, {"Olimit", "0"}, {"IsDiskCache", "1"}, {"Note", "video files"}},
    };
    shape.generate = [](size_t index, SeededRandom& random) {
        return Record{{"Url", "http://" + random.pick(sites) + "/section" + std::to_string(index) + "/*.html"},
                      {"Icase", std::to_string(random.between(0, 1))},
                      {"Rules", "0"},
                      {"Expire", std::to_string(random.between(1, 120))},
                      {"Unit", std::to_string(random.between(0, 3))},
                      {"Icookie", std::to_string(random.between(0, 1))},
                      {"Olimit", std::to_string(random.between(0, 2))},
                      {"IsDiskCache", std::to_string(random.between(0, 1))},
                      {"Note", "generated rule " + std::to_string(index + 1)}};
    };
    return shape;
}

RuleListShape refuseCacheRules()
{
    RuleListShape shape;
    shape.type = "rcache";
    shape.idKey = "Wid";
    shape.fields = {FieldShape::text("Url", 1024, true), FieldShape::flag("Icase"),
                   matchKind(),
                   FieldShape::number("Olimit", 0, 2),
                   FieldShape::flag("CacheLocation"),
                   FieldShape::note("Note", 600)};
    shape.patternKey = "Url";
    shape.matchKindKey = "Rules";
    shape.addRefused = UrlAddRefused;
    shape.modifyRefused = UrlModifyRefused;
    shape.seed = {
        {{"Url", "http://www.example.com/login*"}, {"Icase", "1"}, {"Rules", "0"}, {"Olimit", "0"},
         {"CacheLocation", "0"}, {"Note", "登录页不缓存"}},
        {{"Url", "^http://shop\\.example\\.com/(cart|order)/"}, {"Icase", "1"}, {"Rules", "1"}, {"Olimit", "0"},
         {"CacheLocation", "0"}, {"Note", "购物车与订单"}},
        {{"Url", "http://video.example.cn/live/*"}, {"Icase", "0"}, {"Rules", "0"}, {"Olimit", "1"},
         {"CacheLocation", "1"}, {"Note", "直播只拒绝硬盘缓存"}},
    };
    shape.generate = [](size_t index, SeededRandom& random) {
        return Record{{"Url", "http://" + random.pick(sites) + "/private" + std::to_string(index) + "/*"},
                      {"Icase", std::to_string(random.between(0, 1))},
                      {"Rules", "0"},
                      {"Olimit", std::to_string(random.between(0, 2))},
                      {"CacheLocation", std::to_string(random.between(0, 1))},
                      {"Note", "generated refusal " + std::to_string(index + 1)}};
    };
    return shape;
}

RuleListShape sessionCacheRules()
{
    RuleListShape shape;
    shape.type = "scache";
    shape.idKey = "Wid";
    shape.fields = {FieldShape::text("ActionUrl", 1024, true), FieldShape::flag("Icase"),
                   matchKind(),
                   FieldShape::text("SetCookieSessionID", 64, true),
                   FieldShape::number("SessionExpire", 0, 999999),
                   FieldShape::note("Note", 600)};
    shape.patternKey = "ActionUrl";
    shape.matchKindKey = "Rules";
    shape.addRefused = UrlAddRefused;
    shape.modifyRefused = UrlModifyRefused;
    shape.seed = {
        {{"ActionUrl", "http://bbs.example.org/member.php?mod=logging&action=login"}, {"Icase", "1"},
         {"Rules", "2"}, {"SetCookieSessionID", "bbs_auth"}, {"SessionExpire", "3600"}, {"Note", "论坛登录"}},
        {{"ActionUrl", "http://shop.example.com/account/login*"}, {"Icase", "1"}, {"Rules", "0"},
         {"SetCookieSessionID", "JSESSIONID"}, {"SessionExpire", "1800"}, {"Note", "商城登录"}},
    };
    shape.generate = [](size_t index, SeededRandom& random) {
        return Record{{"ActionUrl", "http://" + random.pick(sites) + "/login" + std::to_string(index) + ".php"},
                      {"Icase", "1"},
                      {"Rules", "2"},
                      {"SetCookieSessionID", "sid" + std::to_string(index)},
                      {"SessionExpire", std::to_string(random.between(60, 86400))},
                      {"Note", "generated login " + std::to_string(index + 1)}};
    };
    return shape;
}

}  // namespace morvix::sim
