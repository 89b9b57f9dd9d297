#pragma once

#include "gui/ModelledList.h"

#include <memory>
#include <vector>

class CFCacheManagerDlg;
class CRewritePage;

namespace morvix::test {

// The page-cache, refuse-cache and session-cache pages of the manager, in that order.
std::vector<std::unique_ptr<ModelledList>> ModelCacheRulePages(CFCacheManagerDlg& manager);
std::unique_ptr<ModelledList> ModelRewritePage(CRewritePage& page);

// One line per rule of a state family's list: identifier (when asked for), pattern and note.
std::vector<std::string> HeldRuleLines(const Json::Value& state, const std::string& family, const std::string& idKey,
                                       const std::string& patternKey);

}  // namespace morvix::test
