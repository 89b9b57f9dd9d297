#pragma once

#include <string>

// Sets a new password for the account of role (eMoxRole_Admin or eMoxRole_Keeper). True when the
// request was handed to the transport.
bool UserManager_ChangePassword(int role, const std::string& newPassword);
