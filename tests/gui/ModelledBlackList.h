#pragma once

#include "gui/ModelledList.h"

#include <memory>

class CAddressListPage;
class CScriptedUserInteraction;

namespace morvix::test {

// The black list of the security view, with its file.
std::unique_ptr<ModelledList> ModelBlackList(CAddressListPage& page, CScriptedUserInteraction& answers);

}  // namespace morvix::test
