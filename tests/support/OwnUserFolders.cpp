#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Gives every test process, and every program it starts, a home and XDG folders of its own in a
// fresh temporary directory, so that no test reads what an operator or an earlier run left in the
// real ones, and none writes there. Linked into each test program as an object, so it is never
// dropped for want of a reference; set up before any other static object can read the variables.
class OwnUserFolders {
public:
    OwnUserFolders()
    {
        // The tests compare the operator texts in their Chinese source, which a desktop in
        // another language would translate: every test and program it starts runs in the C locale.
        ::setenv("LC_ALL", "C.UTF-8", 1);
        std::string pattern = (std::filesystem::temp_directory_path() / "morvix-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            return;
        root_ = pattern;
        for (const auto& [variable, folder] : kFolders) {
            const std::filesystem::path path = root_ / folder;
            std::filesystem::create_directories(path);
            // The runtime folder must be the owner's alone, or Qt refuses it.
            std::filesystem::permissions(path, std::filesystem::perms::owner_all);
            ::setenv(variable, path.c_str(), 1);
        }
    }

    ~OwnUserFolders()
    {
        // A forked child that exits without exec must not remove its parent's folders.
        if (root_.empty() || ::getpid() != owner_)
            return;
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    OwnUserFolders(const OwnUserFolders&) = delete;
    OwnUserFolders& operator=(const OwnUserFolders&) = delete;

private:
    struct Folder {
        const char* variable;
        const char* folder;
    };
    static constexpr Folder kFolders[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"},
        {"XDG_CACHE_HOME", "cache"},
        {"XDG_STATE_HOME", "state"},
        {"XDG_RUNTIME_DIR", "runtime"},
    };

    std::filesystem::path root_;
    pid_t owner_ = ::getpid();
};

__attribute__((init_priority(101))) OwnUserFolders ownUserFolders;

}  // namespace
