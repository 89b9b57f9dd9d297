#include "AdminError.h"

namespace morvix::sim {

AdminError::AdminError(int number, std::string detail)
    : number_(number), detail_(detail.empty() ? "error " + std::to_string(number) : std::move(detail))
{
}

}  // namespace morvix::sim
