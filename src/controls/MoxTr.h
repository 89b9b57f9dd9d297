#pragma once

#include <QCoreApplication>

// The widgets' texts share one translation context with the core's (MoxText), so that a text
// shown both by a view and in a status line is translated once, the same way.
class MoxTr {
    Q_DECLARE_TR_FUNCTIONS(MoxText)
};
