#include "integration/CannedList.h"

#include <gtest/gtest.h>
#include <json/writer.h>

namespace morvix::test {

std::optional<EventRecorder::Event> CannedList::operator()(const std::string& count, const Json::Value& lists)
{
    Json::Value reply;
    reply["Return"] = "True";
    reply["NumOfLists"] = count;
    reply["Lists"] = lists;
    server_.Answer(Json::writeString(Json::StreamWriterBuilder(), reply));
    EXPECT_TRUE(send_());
    return events_.Next(completion_);
}

void CannedList::ExpectEveryKeyRequired(const Json::Value& complete, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        Json::Value lacking(Json::arrayValue);
        lacking.append(complete);
        lacking.append(complete);
        lacking[1].removeMember(key);
        auto missing = (*this)("2", lacking);
        ASSERT_TRUE(missing) << key;
        EXPECT_EQ(missing->Status(), 3) << key;
        EXPECT_EQ(missing->record, nullptr) << key;
    }
}

}  // namespace morvix::test
