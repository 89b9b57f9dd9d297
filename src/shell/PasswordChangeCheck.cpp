#include "shell/PasswordChangeCheck.h"

#include "shell/CMoxCacheInstance.h"

PasswordChangeProblem CheckPasswordChange(int account, const std::string& loginPassword, const std::string& oldPassword,
                                          const std::string& newPassword, const std::string& confirmation)
{
    if (account == eMoxRole_Admin && oldPassword != loginPassword)
        return PasswordChangeProblem::WrongOldPassword;
    if (newPassword.empty() || newPassword != confirmation)
        return PasswordChangeProblem::Mismatch;
    return PasswordChangeProblem::None;
}
