#include "JsonText.h"

#include <json/writer.h>

namespace {

std::string Written(const Json::Value& value, const char* indentation)
{
    Json::StreamWriterBuilder builder;
    builder["emitUTF8"] = true;
    builder["indentation"] = indentation;
    builder["precision"] = 15;
    return Json::writeString(builder, value);
}

}  // namespace

std::string IndentedJson(const Json::Value& value)
{
    return Written(value, "  ");
}

std::string OneLineJson(const Json::Value& value)
{
    return Written(value, "");
}
