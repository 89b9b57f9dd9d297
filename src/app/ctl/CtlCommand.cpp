#include "CtlCommand.h"

#include "DnsFileCommand.h"
#include "RecordKeys.h"
#include "TransferCommands.h"

#include <algorithm>
#include <iostream>

std::optional<CtlCommand> CheckCtlCommand(const CtlOptions& options)
{
    CtlCommand command;
    command.transfer = IsTransferCommand(options);
    if (command.transfer && !CheckTransferCommand(options))
        return std::nullopt;
    command.dnsFile = IsDnsFileCommand(options.type, options.cmd);
    if (command.dnsFile && options.pairs.size() != 1) {
        std::cerr << "morvixctl: dns " << options.cmd << " takes one FILE\n";
        return std::nullopt;
    }
    const bool whole = options.type == "watch" || options.type == "diff" || options.type == "hosts" || options.type == "exporter" ||
                       command.transfer || command.dnsFile;
    if (whole)
        return command;
    std::vector<std::string> pairs = options.pairs;
    if (!options.match.empty()) {
        const RecordKeys* keys = RecordKeysFor(options.type, options.cmd);
        if (!keys || options.cmd == keys->addCmd) {
            std::cerr << "morvixctl: --match names the record to change, delete or move; " << options.type << " "
                      << options.cmd << " takes none\n";
            return std::nullopt;
        }
        const auto match = ParseMatch(*keys, options.match);
        if (const auto* error = std::get_if<std::string>(&match)) {
            std::cerr << "morvixctl: " << *error << "\n";
            return std::nullopt;
        }
        const std::string id = std::string(keys->idField) + "=";
        if (std::any_of(pairs.begin(), pairs.end(), [&id](const std::string& pair) { return pair.starts_with(id); })) {
            std::cerr << "morvixctl: name the record by " << keys->idField << " or by --match, not both\n";
            return std::nullopt;
        }
        // Each server's own identifier is filled in once the key is found in its list.
        pairs.push_back(id);
    }
    auto built = BuildCtlRequest(options.type, options.cmd, pairs);
    if (const auto* error = std::get_if<CtlUsageError>(&built)) {
        std::cerr << "morvixctl: " << error->message << "\n";
        return std::nullopt;
    }
    command.request = std::get<CtlRequest>(std::move(built));
    return command;
}
