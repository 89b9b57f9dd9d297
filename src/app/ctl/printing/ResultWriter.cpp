#include "ResultWriter.h"

#include "TextTable.h"

#include <cstdio>

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

namespace {

std::string Json(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    return JsonString(std::get<std::string>(value));
}

TextCell Cell(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return {std::to_string(*number), true};
    // A note may hold line breaks; a table row stays on one line.
    std::string text = std::get<std::string>(value);
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return {std::move(text), false};
}

std::string JsonTable(const ResultTable& table, const std::string& indent)
{
    if (table.rows.empty())
        return "[]";
    std::string out = "[\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        out += indent + "  {";
        for (std::size_t c = 0; c < table.columns.size(); ++c)
            out += (c ? ", " : "") + JsonString(table.columns[c]) + ": " + Json(table.rows[r][c]);
        out += r + 1 < table.rows.size() ? "},\n" : "}\n";
    }
    return out + indent + "]";
}

void WriteJson(std::ostream& out, const ResultDocument& document)
{
    if (document.fields.empty() && !document.text && document.tables.size() == 1 && document.tables[0].title.empty()) {
        out << JsonTable(document.tables[0], "") << "\n";
        return;
    }
    std::vector<std::string> members;
    for (const auto& [name, value] : document.fields)
        members.push_back(JsonString(name) + ": " + Json(value));
    if (document.text)
        members.push_back("\"Text\": " + JsonString(*document.text));
    for (const ResultTable& table : document.tables)
        members.push_back(JsonString(table.title.empty() ? "Lists" : table.title) + ": " + JsonTable(table, "  "));
    out << "{";
    for (std::size_t i = 0; i < members.size(); ++i)
        out << (i ? ",\n  " : "\n  ") << members[i];
    out << (members.empty() ? "}\n" : "\n}\n");
}

void WriteText(std::ostream& out, const ResultDocument& document)
{
    bool written = false;
    if (!document.fields.empty()) {
        std::vector<std::vector<TextCell>> lines;
        for (const auto& [name, value] : document.fields)
            lines.push_back({{name, false}, {Cell(value).text, false}});
        out << RenderTextTable(lines);
        written = true;
    }
    for (const ResultTable& table : document.tables) {
        if (written)
            out << "\n";
        if (!table.title.empty())
            out << table.title << ":\n";
        std::vector<std::vector<TextCell>> rows;
        std::vector<TextCell>& header = rows.emplace_back();
        for (std::string_view column : table.columns)
            header.push_back({std::string(column), false});
        for (const auto& values : table.rows) {
            std::vector<TextCell>& row = rows.emplace_back();
            for (const FieldValue& value : values)
                row.push_back(Cell(value));
        }
        out << RenderTextTable(rows);
        written = true;
    }
    if (document.text) {
        out << *document.text;
        if (!document.text->empty() && document.text->back() != '\n')
            out << "\n";
    }
}

}  // namespace

void WriteResult(std::ostream& out, const ResultDocument& document, bool json)
{
    if (json)
        WriteJson(out, document);
    else
        WriteText(out, document);
}
