#pragma once

#include <string>

// Why a password change may not be sent. The administrator's old password must be the one this
// console logged in with; the monitor's is not asked for. The new password must not be empty and
// must equal its confirmation.
enum class PasswordChangeProblem { None, WrongOldPassword, Mismatch };

PasswordChangeProblem CheckPasswordChange(int account, const std::string& loginPassword, const std::string& oldPassword,
                                          const std::string& newPassword, const std::string& confirmation);
