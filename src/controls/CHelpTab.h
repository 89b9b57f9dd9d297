#pragma once

#include <string>

class CMoxTabCtrl;

// A tab that is a link: choosing it opens the help page in the browser and returns to the tab
// shown before, so that the page under the strip never goes blank.
void OpenHelpFromTab(CMoxTabCtrl* tabs, int helpIndex, std::string helpUrl);
