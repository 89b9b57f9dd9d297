#pragma once

#include "transport/CMoxConnectionShare.h"
#include "transport/CMoxHttpListLock.h"
#include "transport/CMoxRequestThreads.h"
#include "transport/IMoxHttpManager.h"

#include <memory>
#include <vector>

namespace nsMoxHttp {

class CMoxHttpRequest;

// The one manager of the process, made on first use. It owns libcurl's global state, the
// connection cache the exchanges share and the request threads; at exit it aborts what is still
// running and waits for it before libcurl is cleaned up.
class CMoxHttpManager final : public IMoxHttpManager {
public:
    static CMoxHttpManager& Instance();

    CMoxHttpManager(const CMoxHttpManager&) = delete;
    CMoxHttpManager& operator=(const CMoxHttpManager&) = delete;

    IMoxHttpTask* CreateTask() override;
    void AddTask(IMoxHttpTask* task) override;
    void RemoveTask(IMoxHttpTask* task, bool abort) override;
    void RemoveAllTasks() override;
    bool HasTask(IMoxHttpTask* task) override;
    void Lock() override;
    void Unlock() override;

    // Called by an exchange as it reports its end: unlists the task and hands the list's
    // reference to the caller. False when the task was not listed.
    bool TakeForCompletion(IMoxHttpTask* task);

    bool StartExchange(std::shared_ptr<CMoxHttpRequest> request);

    // Null when the exchanges cannot share connections.
    CURLSH* ConnectionShare() const;

    // Request threads that have not ended yet, whether or not their task still exists.
    std::size_t RunningExchanges() const;

private:
    CMoxHttpManager();
    ~CMoxHttpManager() override;

    CMoxHttpListLock lock_;
    std::vector<IMoxHttpTask*> tasks_;
    CMoxRequestThreads threads_;
    std::unique_ptr<CMoxConnectionShare> share_;
};

}  // namespace nsMoxHttp
