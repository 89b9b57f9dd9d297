#pragma once

#include "messaging/CMoxEventParam.h"

#include <vector>

// A list reply's records, in reply order.
template <class Item>
class CMoxListEventParamT : public CMoxEventParam {
public:
    std::vector<Item> items;
    int errorNo = 0;
};

// One record: what an add, modify, delete or move sent, with the identifier an add got back.
template <class Item>
class CMoxItemEventParamT : public CMoxEventParam {
public:
    Item item{};
    int errorNo = 0;
};
