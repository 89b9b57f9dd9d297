#include "IdIssuer.h"

#include "FormFields.h"

namespace morvix::sim {

std::string IdIssuer::next()
{
    return std::to_string(next_++);
}

void IdIssuer::reserve(std::string_view id)
{
    long long value = 0;
    if (parseDecimal(id, value) && value >= 0 && static_cast<uint64_t>(value) >= next_)
        next_ = static_cast<uint64_t>(value) + 1;
}

}  // namespace morvix::sim
