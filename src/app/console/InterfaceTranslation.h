#pragma once

#include <QStringList>

#include "shell/InterfaceLanguage.h"

// Chooses the console's language (--lang, the user's setting, the desktop's locale) and loads its
// catalogue for the widgets and the core alike. Chinese loads nothing: the texts are their own source.
// False when English was chosen and its catalogue cannot be loaded; the texts stay Chinese then.
bool InstallInterfaceTranslation(const QStringList& arguments);
