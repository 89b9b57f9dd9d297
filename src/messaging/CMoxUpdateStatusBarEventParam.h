#pragma once

#include "messaging/CMoxTextEventParam.h"

// The line for the main window's status bar (kind 1); its own type so that handlers can tell it
// from other text records.
class CMoxUpdateStatusBarEventParam : public CMoxTextEventParam {
public:
    using CMoxTextEventParam::CMoxTextEventParam;
};
