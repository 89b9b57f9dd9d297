#include "SimOptions.h"

#include "FormFields.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace morvix::sim {

namespace {

long long integerOption(const std::string& name, const std::string& text, long long min, long long max)
{
    long long value = 0;
    if (!parseDecimal(text, value) || value < min || value > max)
        throw std::invalid_argument(name + " needs a whole number from " + std::to_string(min) + " to " +
                                    std::to_string(max) + ", not \"" + text + "\"");
    return value;
}

void parseListen(const std::string& text, SimOptions& options)
{
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        throw std::invalid_argument("--listen needs HOST:PORT, not \"" + text + "\"");
    options.host = text.substr(0, colon);
    options.port = static_cast<int>(integerOption("--listen", text.substr(colon + 1), 0, 65535));
}

}  // namespace

SimOptions SimOptions::parse(const std::vector<std::string>& arguments)
{
    SimOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--tls") {
            options.tls = true;
            continue;
        }
        static const char* const valued[] = {"--listen", "--admin-password", "--keeper-password", "--state",
                                             "--session-timeout", "--seed", "--stream-rate",
                                             "--tls-cert", "--tls-key"};
        if (std::find(std::begin(valued), std::end(valued), name) == std::end(valued))
            throw std::invalid_argument("unknown option \"" + name + "\" (see --help)");
        if (i + 1 >= arguments.size())
            throw std::invalid_argument(name + " needs a value");
        const std::string& value = arguments[++i];
        if (name == "--listen") {
            parseListen(value, options);
        } else if (name == "--admin-password") {
            options.adminPassword = value;
            options.adminPasswordGiven = true;
        } else if (name == "--keeper-password") {
            options.keeperPassword = value;
            options.keeperPasswordGiven = true;
        } else if (name == "--tls-cert") {
            options.tlsCertFile = value;
        } else if (name == "--tls-key") {
            options.tlsKeyFile = value;
        } else if (name == "--state") {
            options.statePath = value;
        } else if (name == "--session-timeout") {
            options.sessionTimeoutSeconds = static_cast<int>(integerOption(name, value, 1, 31536000));
        } else if (name == "--seed") {
            options.seed = static_cast<uint64_t>(integerOption(name, value, 0, 999999999999999999LL));
        } else {
            options.streamRate = static_cast<double>(integerOption(name, value, 0, 100000000));
        }
    }
    if (options.tlsCertFile.empty() != options.tlsKeyFile.empty())
        throw std::invalid_argument("--tls-cert and --tls-key go together");
    if (!options.tlsCertFile.empty())
        options.tls = true;
    return options;
}

std::string SimOptions::usage()
{
    return "Usage: morvix-sim [options]\n"
           "A stand-alone Morvix cache server that speaks the whole administration interface\n"
           "(POST /morvix/webcache.mox) with real state, for the console, demos and tests.\n"
           "\n"
           "  --listen HOST:PORT        address to listen on (default 127.0.0.1:6780; port 0 = any free port)\n"
           "  --admin-password P        password of the account \"admin\" (default \"admin\")\n"
           "  --keeper-password P       password of the read-only account \"keeper\" (default \"keeper\")\n"
           "  --state FILE              load the state from FILE and save it there after every change\n"
           "  --session-timeout SECONDS sessions idle longer than this end (default 1800)\n"
           "  --seed N                  make generated data and traffic repeatable\n"
           "  --stream-rate LINES       lines per second of a live request stream (default 5; 0 = unlimited)\n"
           "  --tls                     speak https with a self-signed certificate made at start; its\n"
           "                            fingerprints are printed after the first line\n"
           "  --tls-cert FILE           speak https with this PEM certificate (chain) ...\n"
           "  --tls-key FILE            ... and this PEM private key\n"
           "  --help                    show this text\n"
           "\n"
           "The first line on standard output is \"morvix-sim listening on HOST:PORT\".\n"
           "Test control endpoints live under /sim/ on the same address (see sim/README.md).\n";
}

}  // namespace morvix::sim
