#include "CtlCommand.h"

#include "DnsFileCommand.h"
#include "TransferCommands.h"

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
    const bool whole = options.type == "watch" || options.type == "hosts" || options.type == "exporter" ||
                       command.transfer || command.dnsFile;
    if (whole)
        return command;
    auto built = BuildCtlRequest(options.type, options.cmd, options.pairs);
    if (const auto* error = std::get_if<CtlUsageError>(&built)) {
        std::cerr << "morvixctl: " << error->message << "\n";
        return std::nullopt;
    }
    command.request = std::get<CtlRequest>(std::move(built));
    return command;
}
