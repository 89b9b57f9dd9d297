#include "messaging/CMoxEndEvent.h"

#include "messaging/CMoxEventParam.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"

namespace {

void ReleaseRecord(std::uintptr_t param)
{
    if (param != 0)
        CMoxEventParam::FromParam(param)->Release();
}

}  // namespace

CMoxEndEvent::CMoxEndEvent()
{
    CZebEventManager::Instance()->SetEndHandler(this);
}

CMoxEndEvent::~CMoxEndEvent()
{
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->UnsetEndHandler(this);
}

int CMoxEndEvent::OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    switch (EndReleaseOf(kind)) {
    case eMoxEventRecordSlot::Param1:
        ReleaseRecord(param1);
        break;
    case eMoxEventRecordSlot::Param2:
        ReleaseRecord(param2);
        break;
    case eMoxEventRecordSlot::None:
        break;
    }
    return 0;
}
