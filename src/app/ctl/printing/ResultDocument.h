#pragma once

#include "RecordColumns.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// A result record laid out for printing: single fields, tables of list items, or a plain text.
struct ResultTable {
    std::string title;  // empty for the one list of a list result
    std::vector<std::string_view> columns;
    std::vector<std::vector<FieldValue>> rows;
};

struct ResultDocument {
    std::vector<std::pair<std::string, FieldValue>> fields;
    std::vector<ResultTable> tables;
    std::optional<std::string> text;
};

template <class Item>
ResultTable TableOf(std::string title, const std::vector<Item>& items)
{
    ResultTable table{std::move(title), {}, {}};
    for (const Column<Item>& column : ColumnsOf<Item>())
        table.columns.push_back(column.name);
    for (const Item& item : items) {
        std::vector<FieldValue>& row = table.rows.emplace_back();
        for (const Column<Item>& column : ColumnsOf<Item>())
            row.push_back(column.read(item));
    }
    return table;
}

template <class Item>
void AddFieldsOf(ResultDocument& document, const Item& item)
{
    for (const Column<Item>& column : ColumnsOf<Item>())
        document.fields.emplace_back(std::string(column.name), column.read(item));
}
