#include "features/config/SystemOptionsReader.h"

#include "features/config/SystemOptionFields.h"
#include "protocol/ReplyObjectReader.h"
#include "shell/LeadingDecimal.h"

void ReadSystemOptions(const Json::Value& root, SystemOptions& options)
{
    nsMoxHttp::ReplyObjectReader reader(root);
    for (const SystemOptionField& field : SystemOptionFields()) {
        if (const std::optional<std::string> text = reader.FindString(field.replyKey))
            options.*field.value = LeadingDecimalInt(*text);
        else if (field.defaultWhenMissing)
            options.*field.value = *field.defaultWhenMissing;
    }
    // Read at full width: a machine with more than 2 TB of memory must not show a negative figure.
    for (const SystemReadOnlyField& field : SystemReadOnlyFields())
        options.*field.value = reader.OptionalNumber(field.replyKey, 0);
}
