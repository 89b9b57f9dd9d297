#pragma once

#include <cstdint>
#include <string>

// One server the console has logged in to. Passwords are plain here; the file keeps them encrypted.
struct LoginHistoryRecord {
    std::string host;  // address with ":" and port
    std::string adminPassword;
    std::string keeperPassword;
    bool saveAdmin = false;
    bool saveKeeper = false;
    std::string name;           // the operator's label, may be empty
    std::int64_t lastTime = 0;  // last successful login, seconds since 1970

    static constexpr std::size_t kHostLimit = 127;
    static constexpr std::size_t kNameLimit = 127;
};
