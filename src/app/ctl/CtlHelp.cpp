#include "CtlHelp.h"

#include "FleetOutcome.h"

namespace {

constexpr const char* kForms[] = {
    "[options] TYPE CMD [Field=value ...]",
    "--fields TYPE CMD",
    "[options] watch",
    "[options] hosts [--watch]",
    "[options] rules export|import FILE [--fcache] [--rcache] [--scache] [--rewrite]",
    "[options] black export|import FILE",
    "[options] --server HOST[:PORT]... [--servers-file FILE] [--match Field=value] TYPE CMD [Field=value ...]",
    "[options] --server HOST[:PORT]... [--servers-file FILE] [--against FILE] diff [FAMILY ...]",
    "[options] [--listen HOST:PORT] --server HOST[:PORT]... exporter",
    "--server https://HOST[:PORT] trust [forget]",
};

}  // namespace

std::string CtlHelpFormatter::make_usage(const CLI::App*, std::string) const
{
    std::string usage;
    for (const char* form : kForms)
        usage += std::string(usage.empty() ? "Usage: " : "  or:  ") + "morvixctl " + form + "\n";
    return usage + "\n";
}

std::string CtlHelpFooter()
{
    std::string footer =
        "Exit status:\n"
        "  0    accepted (a stream: interrupted, or ended after at least one line)\n"
        "  1    refused by the server (also: a refused sign-in, an import with a refused rule, a --match\n"
        "       that names no record or several; nothing was changed)\n"
        "  2    the exchange failed: no connection, an HTTP error status, or a lost reply after which a\n"
        "       read found the change not made\n"
        "  3    the reply could not be read\n"
        "  5    sent, result unknown: a change went out, its reply never came, and no read settled it\n"
        "  64   usage error (also: a bad line in the servers, an identifier across several servers)\n"
        "  65   an export or import went through but left out or changed values or lines the file cannot\n"
        "       carry or that could not be read (the run says which)\n"
        "  74   a file of an export or import could not be written or read\n"
        "  130  interrupted (143: an import ended by SIGTERM)\n"
        "\n"
        "Outcomes of a run over several servers, most severe first, with their exit status:\n";
    for (const FleetOutcomeInfo& info : FleetOutcomes()) {
        std::string status = std::to_string(info.exitStatus);
        footer += "  " + status + std::string(5 - status.size(), ' ') + std::string(info.name) + "\n";
    }
    footer +=
        "\n"
        "The run exits with the status of its most severe outcome, or 130 when it was interrupted. A change\n"
        "whose reply was lost, or that outlasted --time-limit, is read back where its list can tell.\n"
        "Across servers a record is named by its key (--match Url=, ActionUrl=, SourceUrl=, Low= High=,\n"
        "Name=), as Wid, RewriteID, BlackID and WhiteID are each server's own.\n"
        "\n"
        "diff reads fcache, rcache, scache, rewrite, black, white, dns (the redirect entries) and system\n"
        "(the options), or the families named, on every server, and prints per server the records missing,\n"
        "extra and differing field by field from the first server read, or from the rules, black-list or\n"
        "DNS file --against names, each record named by its key; then \"3 of 27 servers differ\". It exits 0\n"
        "when all match, 1 when any differs, and 2 or more, as above, when a server could not be read.\n"
        "\n"
        "Servers file: one server a line, with # comments. A line [NAME] starts a group; --group-of NAME\n"
        "or --server @NAME takes only its servers, --limit and --exclude narrow the choice by shell\n"
        "wildcards on HOST:PORT or the host. In a group, lines NAME = VALUE set for its servers, and words\n"
        "NAME=VALUE after a server's address for that server alone:\n"
        "  role = admin|keeper\n"
        "  password = keyring        the console's saved password, from the desktop's keyring\n"
        "  password = file:PATH      the first line of the file, beside the servers file unless PATH is\n"
        "                            absolute (never the password itself)\n"
        "  time-limit = SECONDS      in place of --time-limit\n"
        "For example:\n"
        "  [edge]\n"
        "  role = keeper\n"
        "  password = file:edge.password\n"
        "  cache1.example.net\n"
        "  cache2.example.net:6780  role=admin time-limit=30";
    return footer;
}
