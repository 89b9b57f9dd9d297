// Every reply callback of the catalogue fed a reply body: the envelope, the sign-in reply, every
// list reader, every single-item parse, the cached-URL list and the live stream's line assembly.
#include "FuzzInput.h"

#include "protocol/CMoxReplyCallback.h"
#include "protocol/ReplyCallbackFactory.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "transport/CMoxReplyBuffer.h"
#include "transport/IMoxHttpTask.h"

namespace {

// Hands the fuzzed bytes to the callback as the body its exchange collected.
class ReplayedTask final : public nsMoxHttp::IMoxHttpTask {
public:
    explicit ReplayedTask(std::string_view body) : body_(body) {}

    long AddRef() override { return 1; }
    long Release() override { return 1; }
    void SetCallback(nsMoxHttp::IMoxHttpCallback*) override {}
    nsMoxHttp::IMoxHttpCallback* GetCallback() override { return nullptr; }
    void SetUrl(std::string_view) override {}
    void SetPostData(std::string_view) override {}
    bool StartRequest() override { return false; }
    void StopRequest(bool) override {}
    void SetKeepBody(bool) override {}
    void SetChangesServer(bool) override {}
    std::unique_ptr<nsMoxHttp::CMoxReplyBuffer> GetReply() override
    {
        nsMoxHttp::CMoxReplyBuffer reply;
        reply.Append(body_.data(), body_.size());
        return reply.Copy();
    }

private:
    std::string_view body_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CMoxCacheInstance* const instance =
        CMoxInstanceManager::GetInstanceManager()->CreateInstance("admin", "127.0.0.1:6780", eMoxRole_Admin);
    instance->SetConnected(true);

    const morvix::fuzz::FuzzInput input(data, size);
    if (input.Empty())
        return 0;
    const auto rows = nsMoxHttp::RequestCatalogue();
    const nsMoxHttp::CatalogueRow& row = rows[input.Choice() % rows.size()];

    const std::string_view body = input.Rest();
    ReplayedTask task(body);
    auto callback = nsMoxHttp::MakeReplyCallback(row.family);
    callback->Prepare(row.kind, row.completionEvent, "127.0.0.1:6780", nsMoxHttp::RequestValues(), {1, 0});
    callback->SetTask(&task);
    // Streamed replies are read as they arrive, in pieces of any size.
    for (std::size_t at = 0; at < body.size(); at += 7)
        callback->OnData(body.data() + at, 1, std::min<std::size_t>(7, body.size() - at));
    callback.release()->OnComplete(false);
    return 0;
}
