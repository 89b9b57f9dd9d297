#pragma once

#include <ostream>

// The bash completion script of morvixctl: its options, the catalogue's types and commands, and the
// fields of each request as Field=, all taken from the catalogue this program is built with.
void WriteBashCompletion(std::ostream& out);
