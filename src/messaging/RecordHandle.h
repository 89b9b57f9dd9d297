#pragma once

#include "messaging/CMoxEventParam.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <utility>

// The one owner of a new record until it is posted. Posting takes the handle by value and leaves
// the poster's handle empty: from that moment the record belongs to the event thread, which may
// already have released it, so whatever a poster still needs (a status text, a host name) is taken
// before the post. Reaching through an emptied handle stops the program at once with a message,
// the same way every run, instead of reading freed memory on the rare run that loses the race.
template <class Record>
class RecordHandle {
    static_assert(std::is_base_of_v<CMoxEventParam, Record>, "records derive from CMoxEventParam");

public:
    RecordHandle() = default;
    RecordHandle(const RecordHandle&) = delete;
    RecordHandle& operator=(const RecordHandle&) = delete;
    RecordHandle(RecordHandle&& other) noexcept : record_(std::exchange(other.record_, nullptr)) {}
    template <class Derived, class = std::enable_if_t<std::is_base_of_v<Record, Derived>>>
    RecordHandle(RecordHandle<Derived>&& other) noexcept : record_(std::exchange(other.record_, nullptr))
    {
    }
    RecordHandle& operator=(RecordHandle&& other) noexcept
    {
        if (this != &other) {
            Drop();
            record_ = std::exchange(other.record_, nullptr);
        }
        return *this;
    }
    ~RecordHandle() { Drop(); }

    template <class... Args>
    static RecordHandle Make(Args&&... args)
    {
        RecordHandle handle;
        handle.record_ = new Record(std::forward<Args>(args)...);
        return handle;
    }

    Record& operator*() const { return Checked(); }
    Record* operator->() const { return &Checked(); }
    explicit operator bool() const { return record_ != nullptr; }

    // For the posting functions only: hands the one reference over and empties the handle.
    Record* TakeForPosting()
    {
        Checked();
        return std::exchange(record_, nullptr);
    }

private:
    template <class>
    friend class RecordHandle;

    Record& Checked() const
    {
        if (!record_) {
            std::fputs("a record was used after it was posted or moved\n", stderr);
            std::abort();
        }
        return *record_;
    }
    void Drop()
    {
        if (record_)
            std::exchange(record_, nullptr)->Release();
    }

    Record* record_ = nullptr;
};
