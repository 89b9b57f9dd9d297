#include "protocol/RuleListRequests.h"

#include "protocol/CMoxCacheProtocol.h"

namespace nsMoxHttp {

RequestValues RuleListRequests::Keyed(const std::string& id) const
{
    RequestValues values;
    if (!id.empty())
        values.Set(idKey_, id);
    return values;
}

bool RuleListRequests::List() const
{
    return CMoxCacheProtocol::GetProtocol().Send(kinds_.list, {});
}

bool RuleListRequests::Add(const RequestValues& rule) const
{
    return CMoxCacheProtocol::GetProtocol().Send(kinds_.add, rule);
}

bool RuleListRequests::Modify(const RequestValues& rule) const
{
    return CMoxCacheProtocol::GetProtocol().Send(kinds_.modify, rule);
}

bool RuleListRequests::Delete(const std::string& id) const
{
    return SendId(kinds_.del, id);
}

bool RuleListRequests::Up(const std::string& id) const
{
    return SendId(kinds_.up, id);
}

bool RuleListRequests::Down(const std::string& id) const
{
    return SendId(kinds_.down, id);
}

bool RuleListRequests::SendId(int kind, const std::string& id) const
{
    return CMoxCacheProtocol::GetProtocol().Send(kind, RequestValues().Set(idKey_, id));
}

}  // namespace nsMoxHttp
