#include "transport/CMoxConnectionShare.h"

namespace nsMoxHttp {

CMoxConnectionShare::CMoxConnectionShare()
{
    CURLSH* share = curl_share_init();
    if (!share)
        return;
    const bool ready = curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &CMoxConnectionShare::Lock) == CURLSHE_OK &&
                       curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &CMoxConnectionShare::Unlock) == CURLSHE_OK &&
                       curl_share_setopt(share, CURLSHOPT_USERDATA, this) == CURLSHE_OK &&
                       curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT) == CURLSHE_OK;
    if (ready)
        share_ = share;
    else
        curl_share_cleanup(share);
}

CMoxConnectionShare::~CMoxConnectionShare()
{
    // Closes the connections still cached.
    if (share_)
        curl_share_cleanup(share_);
}

void CMoxConnectionShare::Lock(CURL*, curl_lock_data data, curl_lock_access, void* self)
{
    static_cast<CMoxConnectionShare*>(self)->locks_[data].lock();
}

void CMoxConnectionShare::Unlock(CURL*, curl_lock_data data, void* self)
{
    static_cast<CMoxConnectionShare*>(self)->locks_[data].unlock();
}

}  // namespace nsMoxHttp
