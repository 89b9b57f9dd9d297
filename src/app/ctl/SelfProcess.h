#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A morvixctl of its own for one server, so that the server has the console core to itself: its
// session, its request numbers, its event stream. Standard input is /dev/null; standard output,
// and standard error when asked, come back through pipes the caller reads and closes. The child
// is ended when this process dies.
struct SelfProcess {
    pid_t pid = -1;
    int out = -1;
    int err = -1;  // -1 when standard error is shared with this process
};

enum class ChildErrors { Shared, Captured };

// How the child becomes a morvixctl: by loading the program anew, or as a copy of this process that
// enters the program's entry at once, which spares it loading the program and its libraries again.
// Only a process with one thread may copy itself; without an entry set, the child loads the program.
enum class ChildImage { Loaded, Copied };

using SelfEntry = int (*)(int argc, char** argv);
// Set once by main, before any child is started.
void SetSelfEntry(SelfEntry entry);

// arguments: the command line after the program name; environment: extra variables, ahead of
// this process's own. None when the process could not be started.
std::optional<SelfProcess> StartSelf(const std::vector<std::string>& arguments,
                                     const std::vector<std::string>& environment, ChildErrors errors,
                                     ChildImage image = ChildImage::Loaded);
