#include "RewriteRules.h"

#include "AdminError.h"
#include "SeededRandom.h"

namespace morvix::sim {

RuleListShape rewriteRules()
{
    RuleListShape shape;
    shape.type = "rewrite";
    shape.idKey = "RewriteID";
    shape.fields = {FieldShape::text("SourceUrl", 1024, true), FieldShape::text("DestinationUrl", 1024, true),
                   FieldShape::flag("Icase"), FieldShape::number("Flag", 0, 3), FieldShape::note("Note", 600)};
    shape.patternKey = "SourceUrl";
    shape.addRefused = RewriteAddRefused;
    shape.modifyRefused = RewriteModifyRefused;
    shape.seed = {
        {{"SourceUrl", "^http://example\\.com/(.*)$"}, {"DestinationUrl", "http://www.example.com/$1"},
         {"Icase", "1"}, {"Flag", "0"}, {"Note", "裸域名跳转到 www"}},
        {{"SourceUrl", "^http://www\\.example\\.com/old/(.*)\\.htm$"},
         {"DestinationUrl", "http://www.example.com/new/$1.html"}, {"Icase", "1"}, {"Flag", "1"},
         {"Note", "旧栏目迁移"}},
        {{"SourceUrl", "^http://m\\.example\\.com/"}, {"DestinationUrl", "http://www.example.com/mobile/"},
         {"Icase", "0"}, {"Flag", "3"}, {"Note", "mobile site"}},
    };
    shape.generate = [](size_t index, SeededRandom& random) {
        const std::string number = std::to_string(index);
        return Record{{"SourceUrl", "^http://old" + number + "\\.example\\.com/(.*)$"},
                      {"DestinationUrl", "http://www.example.com/site" + number + "/$1"},
                      {"Icase", std::to_string(random.between(0, 1))},
                      {"Flag", std::to_string(random.between(0, 3))},
                      {"Note", "generated rewrite " + std::to_string(index + 1)}};
    };
    return shape;
}

}  // namespace morvix::sim
