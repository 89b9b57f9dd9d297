#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

// One field of a result record as morvixctl prints it: a number or a text.
using FieldValue = std::variant<std::int64_t, std::string>;

// The field as text: a number in decimal.
inline std::string FieldText(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    return std::get<std::string>(value);
}

template <class Item>
struct Column {
    std::string_view name;
    std::function<FieldValue(const Item&)> read;
};

// A column that shows a member under the server's key for it.
template <class Item, class Member>
Column<Item> Field(std::string_view name, Member Item::*member)
{
    return {name, [member](const Item& item) -> FieldValue {
                if constexpr (std::is_arithmetic_v<Member>)
                    return static_cast<std::int64_t>(item.*member);
                else
                    return std::string(item.*member);
            }};
}

// The fields of each record class morvixctl prints, in the server's order; defined beside the
// records of each family.
template <class Item>
const std::vector<Column<Item>>& ColumnsOf();
