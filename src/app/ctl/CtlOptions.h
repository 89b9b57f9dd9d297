#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks for.
struct CtlOptions {
    std::vector<std::string> servers = {"127.0.0.1:6780"};  // more than one: the exporter, or a fleet run
    std::string serversFile;                                 // more servers, one HOST[:PORT] a line
    std::vector<std::string> groupOf, limit, exclude;        // which of the servers file's servers
    unsigned parallel = 8;                                   // a fleet run: servers at once
    unsigned timeLimitSeconds = 300;                         // a fleet run: the most one server may take
    bool dryRun = false;                                     // print the requests per server, send nothing
    std::string listen = "127.0.0.1:9469";                   // the exporter's metrics endpoint
    bool feed = false;                                       // watch as the exporter's poller
    std::string caFile;              // https: authorities to trust instead of the system's
    std::string pin;                 // https: sha256//BASE64 of the key the server must show
    bool insecure = false;           // https: check nothing; said loudly
    std::string role = "admin";
    std::optional<std::string> password;
    bool json = false;
    bool jsonLines = false;          // a fleet run: one JSON object per server as it ends
    bool group = false;              // a fleet run: servers with the same output told once
    std::string against;             // diff: the exchanged file every server is compared with
    std::vector<std::string> match;  // Field=value of the natural key naming the record to change
    bool fleetRun = false;           // this run is one server's of a fleet run
    bool readBack = false;           // only read whether the change was made (after a lost reply)
    bool watch = false;              // hosts: keep polling
    bool bashCompletion = false;     // print the completion script instead
    bool fields = false;             // list the request's fields instead of sending it
    std::string type;                // a catalogue type, "watch", "hosts", "rules", "black", "exporter" or "trust"
    std::string cmd;                 // empty for watch, hosts and exporter
    std::vector<std::string> pairs;  // Field=value; the file of rules and black export/import
    unsigned ruleBlocks = 0;         // rules export/import: the lists named, none meaning all
    std::string language;            // "zh" or "en"; empty: the user's setting or the locale
};
