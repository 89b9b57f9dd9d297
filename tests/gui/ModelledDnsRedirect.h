#pragma once

#include "gui/ModelledList.h"

#include <memory>

class CDnsRedirectDlg;
class CScriptedUserInteraction;

namespace morvix::test {

// The DNS redirect list: built-in entries first, then the custom ones, which alone are changed,
// deleted and exchanged in the file.
std::unique_ptr<ModelledList> ModelDnsRedirect(CDnsRedirectDlg& view, CScriptedUserInteraction& answers);

}  // namespace morvix::test
