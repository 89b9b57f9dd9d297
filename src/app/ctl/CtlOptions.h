#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks for.
struct CtlOptions {
    std::string server = "127.0.0.1:6780";
    std::string role = "admin";
    std::optional<std::string> password;
    bool json = false;
    bool watch = false;              // hosts: keep polling
    std::string type;                // a catalogue type, "watch", "hosts", "rules" or "black"
    std::string cmd;                 // empty for watch and hosts
    std::vector<std::string> pairs;  // Field=value; the file of rules and black export/import
    unsigned ruleBlocks = 0;         // rules export/import: the lists named, none meaning all
};
