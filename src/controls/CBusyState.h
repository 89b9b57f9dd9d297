#pragma once

// Whether a view waits for replies to its own requests. Every sent request counts until its
// completion event arrives; a reply the view did not ask for (another window's) cannot make the
// count negative. A list reply ends everything the view waited for, since it replaces the rows.
class CBusyState {
public:
    void Sent() { ++outstanding_; }
    void Completed()
    {
        if (outstanding_ > 0)
            --outstanding_;
    }
    void Reset() { outstanding_ = 0; }
    bool IsBusy() const { return outstanding_ > 0; }

private:
    int outstanding_ = 0;
};
