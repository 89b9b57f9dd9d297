#pragma once

#include <string>

// Posts a status-bar line (kind 1). False when the record could not be made or the event was not
// queued.
bool GlobalFunc_UpdateStatusBar(const std::string& text);
