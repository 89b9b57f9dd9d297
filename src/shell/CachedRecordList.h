#pragma once

#include <iterator>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The instance's copy of the records a view last showed, found by their server identifier.
// A list keeps every stored copy at its address while others are added or removed.
template <class Item, std::string Item::*Key>
class CachedRecordList {
public:
    void Clear()
    {
        std::lock_guard guard(lock_);
        items_.clear();
    }

    Item& Add(const Item& item)
    {
        std::lock_guard guard(lock_);
        return items_.emplace_back(item);
    }

    Item* Find(const std::string& key)
    {
        std::lock_guard guard(lock_);
        for (Item& item : items_)
            if (item.*Key == key)
                return &item;
        return nullptr;
    }

    Item* Update(const Item& from)
    {
        std::lock_guard guard(lock_);
        for (Item& item : items_) {
            if (item.*Key == from.*Key) {
                item = from;
                return &item;
            }
        }
        return nullptr;
    }

    bool Remove(const std::string& key)
    {
        std::lock_guard guard(lock_);
        for (auto it = items_.begin(); it != items_.end(); ++it) {
            if ((*it).*Key == key) {
                items_.erase(it);
                return true;
            }
        }
        return false;
    }

    // The record changes places with its neighbour above (direction -1) or below (+1); nothing
    // happens at an end. The copies keep their addresses.
    bool Move(const std::string& key, int direction)
    {
        std::lock_guard guard(lock_);
        for (auto it = items_.begin(); it != items_.end(); ++it) {
            if ((*it).*Key != key)
                continue;
            if (direction < 0) {
                if (it == items_.begin())
                    return false;
                items_.splice(std::prev(it), items_, it);
            } else {
                const auto next = std::next(it);
                if (next == items_.end())
                    return false;
                items_.splice(it, items_, next);
            }
            return true;
        }
        return false;
    }

    std::vector<Item> Snapshot() const
    {
        std::lock_guard guard(lock_);
        return {items_.begin(), items_.end()};
    }

    std::size_t Size() const
    {
        std::lock_guard guard(lock_);
        return items_.size();
    }

private:
    mutable std::mutex lock_;
    std::list<Item> items_;
};
