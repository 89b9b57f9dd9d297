#include "RuleList.h"

#include "AdminError.h"
#include "Ipv4.h"
#include "JsonText.h"
#include "PercentCodec.h"
#include "StateJson.h"
#include "UrlPattern.h"
#include "WallClock.h"

#include <unordered_set>

namespace morvix::sim {

RuleList::RuleList(RuleListShape shape, IdIssuer& ids) : shape_(std::move(shape)), ids_(ids) {}

void RuleList::registerCommands(CommandTable& table)
{
    table.add(shape_.type, "list", Access::Read, [this](const FormFields&) { return list(); });
    table.add(shape_.type, "add", Access::Change, [this](const FormFields& f) { return add(f); });
    table.add(shape_.type, "modify", Access::Change, [this](const FormFields& f) { return modify(f); });
    table.add(shape_.type, "del", Access::Change, [this](const FormFields& f) { return remove(f); });
    if (shape_.movable) {
        table.add(shape_.type, "up", Access::Change, [this](const FormFields& f) { return moveUp(f); });
        table.add(shape_.type, "down", Access::Change, [this](const FormFields& f) { return moveDown(f); });
    }
}

Record RuleList::readEntry(const FormFields& fields) const
{
    Record entry;
    for (const FieldShape& field : shape_.fields) {
        if (field.optional && !fields.has(field.key)) {
            entry.set(field.key, field.defaultValue);
            continue;
        }
        switch (field.kind) {
        case FieldShape::Text:
            entry.set(field.key, fields.text(field.key, field.maxCharacters, field.nonEmpty));
            break;
        case FieldShape::Number:
            entry.set(field.key, std::to_string(fields.number(field.key, field.min, field.max)));
            break;
        case FieldShape::Ipv4Address:
            if (!parseIpv4(fields.text(field.key)))
                throw AdminError(BadField, "not an IPv4 address: " + field.key);
            entry.set(field.key, fields.text(field.key));
            break;
        case FieldShape::DateTime:
            if (!parseTime(fields.text(field.key)))
                throw AdminError(BadField, "not a time: " + field.key);
            entry.set(field.key, fields.text(field.key));
            break;
        }
    }
    return entry;
}

void RuleList::checkAcceptable(const Record& entry, std::string_view ownId, int refusal) const
{
    if (shape_.uniqueness == RuleListShape::Uniqueness::OverlappingRange) {
        checkRangeFree(entry, ownId, refusal);
        return;
    }
    const std::string& pattern = entry.get(shape_.patternKey);
    const bool isRegex = shape_.matchKindKey.empty() || entry.get(shape_.matchKindKey) == "1";
    if (isRegex && !UrlPattern::isValidRegex(pattern, entry.get("Icase") == "1"))
        throw AdminError(refusal, "regular expression does not compile");
    for (const auto& other : list_.entries()) {
        if (other.id != ownId && other.fields.get(shape_.patternKey) == pattern)
            throw AdminError(refusal, "duplicate " + shape_.patternKey);
    }
}

void RuleList::checkRangeFree(const Record& entry, std::string_view ownId, int refusal) const
{
    const uint32_t low = *parseIpv4(entry.get("Low"));
    const uint32_t high = *parseIpv4(entry.get("High"));
    if (low > high)
        throw AdminError(BadField, "Low above High");
    for (const auto& other : list_.entries()) {
        const auto otherLow = parseIpv4(other.fields.get("Low"));
        const auto otherHigh = parseIpv4(other.fields.get("High"));
        if (other.id != ownId && otherLow && otherHigh && low <= *otherHigh && *otherLow <= high)
            throw AdminError(refusal, "address range overlaps another entry");
    }
}

const std::string& RuleList::existingId(const FormFields& fields) const
{
    const std::string& id = fields.text(shape_.idKey);
    if (!list_.find(id))
        throw AdminError(shape_.modifyRefused, "no entry " + id);
    return id;
}

Reply RuleList::withId(const std::string& id) const
{
    return Reply::accepted().set(shape_.idKey, id);
}

Record RuleList::replyRecord(size_t position, const OrderedList::Entry& entry) const
{
    Record record;
    record.set("NO", std::to_string(position + 1));
    record.set(shape_.idKey, entry.id);
    for (const FieldShape& field : shape_.fields) {
        const std::string& value = entry.fields.get(field.key);
        record.set(field.key, field.percentEncodedInReply ? percentEncode(value) : value);
    }
    return record;
}

Reply RuleList::list()
{
    if (!writtenList_ || writtenVersion_ != list_.version()) {
        std::vector<Record> records;
        records.reserve(list_.size());
        for (size_t i = 0; i < list_.size(); ++i)
            records.push_back(replyRecord(i, list_.entries()[i]));
        writtenList_ = std::make_shared<const std::string>(JsonText::array(records));
        writtenVersion_ = list_.version();
    }
    return Reply::accepted().set("NumOfLists", std::to_string(list_.size())).setList("Lists", writtenList_);
}

Reply RuleList::add(const FormFields& fields)
{
    Record entry = readEntry(fields);
    checkAcceptable(entry, {}, shape_.addRefused);
    std::string id = ids_.next();
    list_.append(id, std::move(entry));
    return withId(id);
}

Reply RuleList::modify(const FormFields& fields)
{
    const std::string& id = existingId(fields);
    Record entry = readEntry(fields);
    checkAcceptable(entry, id, shape_.modifyRefused);
    list_.replace(id, std::move(entry));
    return withId(id);
}

Reply RuleList::remove(const FormFields& fields)
{
    const std::string& id = existingId(fields);
    list_.remove(id);
    return withId(id);
}

Reply RuleList::moveUp(const FormFields& fields)
{
    const std::string& id = existingId(fields);
    list_.moveUp(id);
    return withId(id);
}

Reply RuleList::moveDown(const FormFields& fields)
{
    const std::string& id = existingId(fields);
    list_.moveDown(id);
    return withId(id);
}

void RuleList::seed()
{
    list_.clear();
    for (const Record& entry : shape_.seed)
        list_.append(ids_.next(), entry);
}

Json::Value RuleList::save() const
{
    Json::Value entries(Json::arrayValue);
    for (const auto& entry : list_.entries()) {
        Json::Value object = recordToJson(entry.fields);
        object[shape_.idKey] = entry.id;
        entries.append(std::move(object));
    }
    Json::Value document(Json::objectValue);
    document["entries"] = std::move(entries);
    return document;
}

void RuleList::load(const Json::Value& document)
{
    OrderedList loaded;
    std::unordered_set<std::string> seen;
    for (const Json::Value& object : requireMember(document, "entries", Json::arrayValue)) {
        Record entry;
        for (const FieldShape& field : shape_.fields) {
            if (field.optional && !object.isMember(field.key))
                entry.set(field.key, field.defaultValue);
            else
                entry.set(field.key, requireText(object, field.key.c_str()));
        }
        const std::string id = requireText(object, shape_.idKey.c_str());
        if (!seen.insert(id).second)
            throw StateFormatError(shape_.type + ": identifier " + id + " appears twice");
        loaded.append(id, std::move(entry));
    }
    list_.clear();
    for (const auto& entry : loaded.entries()) {
        ids_.reserve(entry.id);
        list_.append(entry.id, entry.fields);
    }
}

bool RuleList::generate(size_t count, SeededRandom& random)
{
    if (!shape_.generate)
        return false;
    list_.clear();
    for (size_t i = 0; i < count; ++i)
        list_.append(ids_.next(), shape_.generate(i, random));
    return true;
}

}  // namespace morvix::sim
