#include "features/config/ClusterRequests.h"

#include "protocol/CMoxCacheProtocol.h"
#include "protocol/RequestBody.h"
#include "protocol/RequestKinds.h"

using nsMoxHttp::CMoxCacheProtocol;
using nsMoxHttp::RequestValues;

RequestValues ClusterConfigValues(const ClusterConfig& config)
{
    RequestValues values;
    values.Set("Role", config.Role);
    if (config.Role == 1)
        values.Set("Binding", config.Binding).Set("Auth", config.Auth).Set("Note", config.Note);
    else if (config.Role == 2)
        values.Set("Host", config.Host).Set("Auth", config.Auth).Set("SlaveID", config.SlaveID).Set("Note", config.Note);
    return values;
}

ClusterConfig ClusterConfigFromValues(const RequestValues& values)
{
    ClusterConfig config;
    config.Role = static_cast<std::int16_t>(values.Number("Role"));
    config.Binding = static_cast<std::uint16_t>(values.Number("Binding"));
    config.Auth = values.Text("Auth");
    config.Note = values.Text("Note");
    config.Host = values.Text("Host");
    config.SlaveID = values.Text("SlaveID");
    return config;
}

bool ClusterManager_Get()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ClusterGet, {});
}

bool ClusterManager_Status()
{
    return CMoxCacheProtocol::GetProtocol().Send(eReq_ClusterStatus, {});
}

bool ClusterManager_Modify(const ClusterConfig& config)
{
    const RequestValues values = ClusterConfigValues(config);
    const nsMoxHttp::CatalogueRow* form =
        nsMoxHttp::ChooseForm(nsMoxHttp::FindCatalogueForms("cluster", "modify"), values);
    return form && CMoxCacheProtocol::GetProtocol().Send(*form, values);
}
