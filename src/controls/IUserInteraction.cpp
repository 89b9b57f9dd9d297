#include "controls/IUserInteraction.h"

#include "controls/CUserInteraction.h"

namespace {

IUserInteraction* replacement = nullptr;

}  // namespace

IUserInteraction& IUserInteraction::Current()
{
    static CUserInteraction desktop;
    return replacement ? *replacement : desktop;
}

IUserInteraction* IUserInteraction::Replace(IUserInteraction* next)
{
    IUserInteraction* previous = replacement;
    replacement = next;
    return previous;
}
