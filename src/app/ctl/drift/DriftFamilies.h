#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// A list (or the one record of options) that every server of a fleet is meant to hold alike.
struct DriftFamily {
    std::string_view name;  // as the operator names it after "diff"
    std::string_view type, listCmd;
    std::vector<std::string_view> key;      // the natural key; none for the one record of options
    std::vector<std::string_view> ignored;  // each server's own: positions, identifiers, figures
    std::vector<std::string_view> notInFile;  // what the exchanged file does not carry
    std::string_view builtIn;  // a record with a value other than "0" here is the server's own
};

// Every family, in the order they are reported.
std::span<const DriftFamily> DriftFamilies();
const DriftFamily* FindDriftFamily(std::string_view name);

// The families named after "diff" (all when none is); none, the reason printed, for an unknown one.
bool ChooseDriftFamilies(const std::vector<std::string>& named, std::vector<const DriftFamily*>& chosen);
