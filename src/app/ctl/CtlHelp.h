#pragma once

#include <CLI/CLI.hpp>

#include <string>

// --help as morvixctl prints it and its manual page is made from: the synopsis as "Usage:" and
// "or:" lines, one form a line, and after the options the exit statuses and the outcomes of a run
// over several servers.
class CtlHelpFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override;
};

std::string CtlHelpFooter();
