#include "JsonText.h"

#include "Utf8.h"

namespace morvix::sim::JsonText {

void appendString(std::string& out, std::string_view text)
{
    static const char digits[] = "0123456789abcdef";
    out += '"';
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const size_t length = utf8SequenceLength(text, i);
            if (length == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += digits[c >> 4];
                out += digits[c & 0x0F];
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
}

void appendObject(std::string& out, const Record& record)
{
    out += '{';
    bool first = true;
    for (const auto& [key, value] : record.fields()) {
        if (!first)
            out += ',';
        first = false;
        appendString(out, key);
        out += ':';
        appendString(out, value);
    }
    out += '}';
}

std::string array(const std::vector<Record>& records)
{
    std::string out = "[";
    for (size_t i = 0; i < records.size(); ++i) {
        if (i > 0)
            out += ',';
        appendObject(out, records[i]);
    }
    out += ']';
    return out;
}

}  // namespace morvix::sim::JsonText
