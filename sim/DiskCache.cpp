#include "DiskCache.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "JsonText.h"
#include "StateJson.h"

namespace morvix::sim {

namespace {

bool isAbsoluteDirectory(const std::string& path)
{
    const bool windowsDrive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                              path[1] == ':' && path[2] == '\\';
    return (!path.empty() && path[0] == '/') || windowsDrive;
}

}  // namespace

void DiskCache::registerCommands(CommandTable& table)
{
    table.add("diskcache", "list", Access::Read, [this](const FormFields&) { return list(); });
    table.add("diskcache", "query", Access::Read, [this](const FormFields& fields) {
        return list(static_cast<int>(fields.number("DiskNo", 1, areaCount)));
    });
    table.add("diskcache", "set", Access::Change, [this](const FormFields& fields) { return set(fields); });
}

void DiskCache::seed()
{
    areas_ = {};
    areas_[0] = Area{"/morvix-cache-1", 1, InUse, "SSD 阵列"};
    areas_[1] = Area{"/morvix-cache-2", 1, FullCleaning, "已满，正在清理"};
    areas_[2] = Area{"/data/morvix-cache-3", 0, Stopped, "备用盘"};
}

int DiskCache::areasInUse() const
{
    int count = 0;
    for (const Area& area : areas_)
        count += area.enable == 1 && !area.path.empty() ? 1 : 0;
    return count;
}

Reply DiskCache::list(int onlyArea) const
{
    std::vector<Record> records;
    for (int number = 1; number <= areaCount; ++number) {
        if (onlyArea != 0 && number != onlyArea)
            continue;
        const Area& area = areas_[number - 1];
        records.push_back(Record{{"DiskNo", std::to_string(number)},
                                 {"Path", area.path},
                                 {"Enable", std::to_string(area.enable)},
                                 {"Status", std::to_string(area.status)},
                                 {"Note", area.note}});
    }
    return Reply::accepted()
        .set("NumOfLists", std::to_string(records.size()))
        .setList("Lists", std::make_shared<const std::string>(JsonText::array(records)));
}

Reply DiskCache::set(const FormFields& fields)
{
    const int number = static_cast<int>(fields.number("DiskNo", 1, areaCount));
    const std::string path = fields.text("Path", 511, false);
    const int enable = fields.flag("Enable");
    const std::string note = fields.text("Note", 511, false);
    if (!path.empty() && !isAbsoluteDirectory(path))
        throw AdminError(BadField, "not an absolute directory");
    if (enable == 1 && path.empty())
        throw AdminError(BadField, "an area in use needs a directory");
    for (int other = 1; other <= areaCount; ++other) {
        if (other != number && !path.empty() && areas_[other - 1].path == path)
            throw AdminError(BadField, "directory used by another area");
    }
    Area& area = areas_[number - 1];
    const bool keepsFullState = area.path == path && enable == 1 && area.status >= FullCleaning;
    area = Area{path, enable, keepsFullState ? area.status : (enable == 1 ? InUse : Stopped), note};
    return Reply::accepted();
}

Json::Value DiskCache::save() const
{
    Json::Value list(Json::arrayValue);
    for (const Area& area : areas_) {
        Json::Value item(Json::objectValue);
        item["Path"] = area.path;
        item["Enable"] = area.enable;
        item["Status"] = area.status;
        item["Note"] = area.note;
        list.append(std::move(item));
    }
    Json::Value document(Json::objectValue);
    document["areas"] = std::move(list);
    return document;
}

void DiskCache::load(const Json::Value& document)
{
    const Json::Value& list = requireMember(document, "areas", Json::arrayValue);
    if (list.size() != areaCount)
        throw StateFormatError("expected 14 disk-cache areas");
    std::array<Area, areaCount> loaded;
    for (Json::ArrayIndex i = 0; i < list.size(); ++i) {
        loaded[i] = Area{requireText(list[i], "Path"), static_cast<int>(requireNumber(list[i], "Enable")),
                         static_cast<int>(requireNumber(list[i], "Status")), requireText(list[i], "Note")};
    }
    areas_ = loaded;
}

}  // namespace morvix::sim
