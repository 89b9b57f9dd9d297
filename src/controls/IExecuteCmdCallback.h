#pragma once

// Owner of a skinned control: told when the user chose an item. The owner then asks the control
// for its current item and reads that item's command id.
class IExecuteCmdCallback {
public:
    // Code for "an item was chosen".
    static constexpr int kItemChosen = 100;

    virtual ~IExecuteCmdCallback() = default;
    virtual void OnExecuteCmd(int controlId, int code, unsigned long word1, unsigned long word2) = 0;
};
