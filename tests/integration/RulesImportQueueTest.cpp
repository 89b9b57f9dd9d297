#include "features/access/RewriteEvents.h"
#include "features/cache/FCacheEvents.h"
#include "features/cache/RCacheEvents.h"
#include "features/cache/RulesImportQueue.h"
#include "features/cache/SCacheEvents.h"
#include "messaging/RecordHandle.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

namespace {

// The completion of an add answers the add sent last only when it names that rule, or none.
template <class Record, class Rule>
void ExpectOnlyTheLastRuleAnswers(const RulesImportQueue& queue, std::string Rule::*key, const std::string& sent)
{
    const auto naming = [key](const std::string& value) {
        auto record = RecordHandle<Record>::Make();
        record->item.*key = value;
        return record;
    };
    EXPECT_TRUE(queue.IsCompletionOfLast(&*naming(sent))) << sent;
    EXPECT_FALSE(queue.IsCompletionOfLast(&*naming("/given-up/"))) << sent;
    EXPECT_TRUE(queue.IsCompletionOfLast(&*naming(""))) << sent << ": a refusal names no rule";
    EXPECT_TRUE(queue.IsCompletionOfLast(nullptr)) << sent << ": nor does a failure";
}

}  // namespace

TEST(RulesImportQueue, ACompletionNamingAnotherRuleIsTheLateReplyToAnEarlierAdd)
{
    morvix::test::SimProcess sim;
    morvix::test::ConsoleSession console(sim.host());
    RuleSet rules;
    rules.fcache.resize(1);
    rules.fcache[0].Url = "/f/";
    rules.rcache.resize(1);
    rules.rcache[0].Url = "/r/";
    rules.scache.resize(1);
    rules.scache[0].ActionUrl = "/s/";
    rules.rewrite.resize(1);
    rules.rewrite[0].SourceUrl = "/w/";
    RulesImportQueue queue(rules);
    EXPECT_FALSE(queue.IsCompletionOfLast(nullptr)) << "nothing sent yet";

    queue.SendNext();
    ExpectOnlyTheLastRuleAnswers<CMoxFCacheAddEventParam>(queue, &FCacheRule::Url, "/f/");
    queue.SendNext();
    ExpectOnlyTheLastRuleAnswers<CMoxRCacheEventParam>(queue, &RCacheRule::Url, "/r/");
    queue.SendNext();
    ExpectOnlyTheLastRuleAnswers<CMoxSCacheEventParam>(queue, &SCacheRule::ActionUrl, "/s/");
    queue.SendNext();
    ExpectOnlyTheLastRuleAnswers<CMoxRewriteEventParam>(queue, &RewriteRule::SourceUrl, "/w/");
    EXPECT_TRUE(queue.Finished());
}
