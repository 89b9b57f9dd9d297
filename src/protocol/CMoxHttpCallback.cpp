#include "protocol/CMoxHttpCallback.h"

#include "protocol/RequestKinds.h"

namespace nsMoxHttp {

void CMoxHttpCallback::OnData(const char* data, std::size_t size, std::size_t count)
{
    switch (Kind()) {
    default:
        break;
    }
}

void CMoxHttpCallback::HandleReply(bool failed)
{
    switch (Kind()) {
    default:
        break;
    }
}

}  // namespace nsMoxHttp
