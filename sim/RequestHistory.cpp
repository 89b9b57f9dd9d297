#include "RequestHistory.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "JsonText.h"
#include "SeededRandom.h"
#include "StateJson.h"
#include "UrlPattern.h"

namespace morvix::sim {

namespace {

const char* const switchKeys[] = {"Icase", "Rules", "Location", "DateTime", "HitCache", "UserAgent",
                                  "InvalidRequest", "HitMemberCache"};

Record makeRecord(std::string title, std::string rules, std::initializer_list<int> switches)
{
    Record record{{"Title", std::move(title)}};
    auto value = switches.begin();
    for (const char* key : switchKeys)
        record.set(key, std::string(key) == "Rules" ? rules : std::to_string(*value++));
    return record;
}

}  // namespace

void RequestHistory::registerCommands(CommandTable& table)
{
    table.add("rth", "list", Access::Read, [this](const FormFields&) { return list(); });
    table.add("rth", "add", Access::Change, [this](const FormFields& fields) { return add(fields); });
    table.add("rth", "del", Access::Change, [this](const FormFields& fields) { return remove(fields); });
}

void RequestHistory::seed()
{
    records_.clear();
    records_.append("http://www.example.com/*", makeRecord("门户全部访问", "0", {1, 1, 1, 1, 0, 0, 0}));
    records_.append("^http://img\\.example\\.net/.*\\.jpg$", makeRecord("图片请求", "1", {1, 0, 1, 1, 0, 0, 0}));
    records_.append("http://bbs.example.org/forum.php", makeRecord("论坛首页", "2", {0, 1, 1, 1, 1, 1, 1}));
}

Reply RequestHistory::list() const
{
    std::vector<Record> records;
    for (size_t i = 0; i < records_.size(); ++i) {
        const auto& entry = records_.entries()[i];
        Record record{{"NO", std::to_string(i + 1)}, {"Title", entry.fields.get("Title")}, {"RequestUrl", entry.id}};
        for (const char* key : switchKeys)
            record.set(key, entry.fields.get(key));
        records.push_back(std::move(record));
    }
    return Reply::accepted()
        .set("NumOfLists", std::to_string(records.size()))
        .setList("Lists", std::make_shared<const std::string>(JsonText::array(records)));
}

Reply RequestHistory::add(const FormFields& fields)
{
    const std::string url = fields.text("RequestUrl", 2047, true);
    Record record{{"Title", fields.text("Title", 129, false)}};
    for (const char* key : switchKeys)
        record.set(key, std::to_string(std::string(key) == "Rules" ? fields.number(key, 0, 2) : fields.flag(key)));
    if (record.get("Rules") == "1" && !UrlPattern::isValidRegex(url, record.get("Icase") == "1"))
        throw AdminError(BadField, "regular expression does not compile");
    if (!records_.replace(url, record))
        records_.append(url, std::move(record));
    return Reply::accepted();
}

Reply RequestHistory::remove(const FormFields& fields)
{
    if (!records_.remove(fields.text("RequestUrl")))
        throw AdminError(MonitorItemMissing);
    return Reply::accepted();
}

bool RequestHistory::generate(size_t count, SeededRandom& random)
{
    records_.clear();
    for (size_t i = 0; i < count; ++i) {
        const int flag = static_cast<int>(random.between(0, 1));
        records_.append("http://www.example.com/watch" + std::to_string(i) + "/*",
                        makeRecord("generated record " + std::to_string(i + 1), "0", {1, flag, 1, 1, 0, 0, 0}));
    }
    return true;
}

Json::Value RequestHistory::save() const
{
    Json::Value list(Json::arrayValue);
    for (const auto& entry : records_.entries()) {
        Json::Value item = recordToJson(entry.fields);
        item["RequestUrl"] = entry.id;
        list.append(std::move(item));
    }
    Json::Value document(Json::objectValue);
    document["entries"] = std::move(list);
    return document;
}

void RequestHistory::load(const Json::Value& document)
{
    OrderedList loaded;
    for (const Json::Value& item : requireMember(document, "entries", Json::arrayValue)) {
        Record record{{"Title", requireText(item, "Title")}};
        for (const char* key : switchKeys)
            record.set(key, requireText(item, key));
        const std::string url = requireText(item, "RequestUrl");
        if (!loaded.replace(url, record))
            loaded.append(url, std::move(record));
    }
    records_ = std::move(loaded);
}

}  // namespace morvix::sim
