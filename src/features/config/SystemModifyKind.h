#pragma once

// What a system modify request changes; it travels back with the system-modify event whatever the
// outcome, so the view that sent it knows which command to enable again.
enum SystemModifyKind : int {
    eSystemModify_FullSave = 0,
    eSystemModify_TrafficReport = 1,
    eSystemModify_PageViewStatSwitch = 2,
    eSystemModify_MemCacheSwitch = 3,
    eSystemModify_RunningSwitch = 4,
    eSystemModify_WhiteListSwitch = 5,
    // The disk-cache page's master switch: a kind of its own, so that no system view mistakes it
    // for a full save of its form.
    eSystemModify_DiskCacheSwitch = 6,
};
