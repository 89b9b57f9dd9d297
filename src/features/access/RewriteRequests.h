#pragma once

#include "features/access/RewriteRule.h"
#include "protocol/RequestValues.h"

#include <string>

// The rewrite-rule requests. Each returns true when the request was handed to the transport.
bool RewriteManager_List();
bool RewriteManager_Add(const RewriteRule& rule);
bool RewriteManager_Modify(const RewriteRule& rule);
bool RewriteManager_Del(const std::string& rewriteId);
bool RewriteManager_Up(const std::string& rewriteId);
bool RewriteManager_Down(const std::string& rewriteId);

// A rule as request values and back: the callback rebuilds the rule it sent from its values.
nsMoxHttp::RequestValues RewriteRuleValues(const RewriteRule& rule);
RewriteRule RewriteRuleFromValues(const nsMoxHttp::RequestValues& values);
