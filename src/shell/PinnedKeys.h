#pragma once

#include <string>

// Public keys the operator chose to trust always, one per https server ("host:port"), kept in the
// user's settings so that every later run of the console and of morvixctl knows them.
namespace PinnedKeys {

// Lets this process's https exchanges find the remembered keys.
void Install();
// Remembers the key for good and trusts it in this process at once. False when it could not be written.
bool Remember(const std::string& hostPort, const std::string& pin);
// Forgets the server's key, for good and in this process.
bool Forget(const std::string& hostPort);

}  // namespace PinnedKeys
