#include "shell/ISavedPasswordStore.h"

#include <atomic>

namespace {

std::atomic<ISavedPasswordStore*> installed{nullptr};

}  // namespace

ISavedPasswordStore* ISavedPasswordStore::Installed()
{
    return installed.load();
}

void ISavedPasswordStore::Install(ISavedPasswordStore* store)
{
    installed.store(store);
}
