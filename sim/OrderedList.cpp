#include "OrderedList.h"

#include <algorithm>

namespace morvix::sim {

std::vector<OrderedList::Entry>::iterator OrderedList::locate(std::string_view id)
{
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.id == id; });
}

void OrderedList::append(std::string id, Record fields)
{
    entries_.push_back(Entry{std::move(id), std::move(fields)});
    ++version_;
}

OrderedList::Entry* OrderedList::find(std::string_view id)
{
    const auto it = locate(id);
    return it == entries_.end() ? nullptr : &*it;
}

const OrderedList::Entry* OrderedList::find(std::string_view id) const
{
    return const_cast<OrderedList*>(this)->find(id);
}

bool OrderedList::replace(std::string_view id, Record fields)
{
    Entry* entry = find(id);
    if (!entry)
        return false;
    entry->fields = std::move(fields);
    ++version_;
    return true;
}

bool OrderedList::remove(std::string_view id)
{
    const auto it = locate(id);
    if (it == entries_.end())
        return false;
    entries_.erase(it);
    ++version_;
    return true;
}

bool OrderedList::moveUp(std::string_view id)
{
    const auto it = locate(id);
    if (it == entries_.end())
        return false;
    if (it != entries_.begin()) {
        std::iter_swap(it, it - 1);
        ++version_;
    }
    return true;
}

bool OrderedList::moveDown(std::string_view id)
{
    const auto it = locate(id);
    if (it == entries_.end())
        return false;
    if (it + 1 != entries_.end()) {
        std::iter_swap(it, it + 1);
        ++version_;
    }
    return true;
}

void OrderedList::clear()
{
    entries_.clear();
    ++version_;
}

}  // namespace morvix::sim
