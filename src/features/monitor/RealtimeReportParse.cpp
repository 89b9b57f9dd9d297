#include "features/monitor/RealtimeReportParse.h"

#include "shell/LeadingDecimal.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::string_view kBlanks = " \t";
constexpr std::size_t kFieldCount = 5;

// The first fields of a line; false when it has fewer.
bool SplitFields(std::string_view line, std::array<std::string_view, kFieldCount>& fields)
{
    std::size_t pos = 0;
    for (std::string_view& field : fields) {
        pos = line.find_first_not_of(kBlanks, pos);
        if (pos == std::string_view::npos)
            return false;
        const std::size_t end = std::min(line.find_first_of(kBlanks, pos), line.size());
        field = line.substr(pos, end - pos);
        pos = end;
    }
    return true;
}

std::string Cut(std::string_view text, std::size_t characters)
{
    return std::string(Utf8Text::CutToCharacters(text, characters));
}
}  // namespace

std::vector<RealtimeStatRow> ParseRealtimeReport(std::string_view text)
{
    std::vector<RealtimeStatRow> rows;
    bool header = true;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (header) {
            header = false;
            continue;
        }
        std::array<std::string_view, kFieldCount> fields;
        if (!SplitFields(line, fields))
            continue;
        RealtimeStatRow row;
        row.Name = Cut(fields[0], RealtimeStatRow::kNameLimit);
        row.TotalRequests = LeadingDecimalInt(fields[1]);
        row.DistinctAddresses = LeadingDecimalInt(fields[2]);
        row.RequestsPerAddress = Cut(fields[3], RealtimeStatRow::kFigureLimit);
        row.TrafficShare = Cut(fields[4], RealtimeStatRow::kFigureLimit);
        rows.push_back(std::move(row));
    }
    return rows;
}
