#pragma once

#include "files/ScratchDirectory.h"
#include "integration/MorvixctlProcess.h"
#include "support/RunShell.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace morvix::test {

// The three programs of an installed tree (bin/ and share/ under one prefix), run from there with
// the operator's data in a scratch directory.
class InstalledPrograms {
public:
    InstalledPrograms(std::filesystem::path prefix, std::filesystem::path userData)
        : prefix_(std::move(prefix)), userData_(std::move(userData))
    {
    }

    std::unique_ptr<MorvixctlProcess> Start(const std::string& program, const std::vector<std::string>& arguments,
                                            std::vector<std::string> environment = {}) const
    {
        environment.push_back("XDG_DATA_HOME=" + userData_.string());
        return std::make_unique<MorvixctlProcess>(arguments, environment, (prefix_ / "bin" / program).string());
    }

    // Runs to the end; the exit status, with the output in `out`.
    int Run(const std::string& program, const std::vector<std::string>& arguments, std::string* out = nullptr) const
    {
        auto process = Start(program, arguments);
        const int status = process->Wait();
        if (out)
            *out = process->Out();
        return status;
    }

    // The simulator of the tree on a free port; its address, or empty.
    std::string StartSimulator()
    {
        simulator_ = Start("morvix-sim", {"--listen", "127.0.0.1:0"});
        std::smatch found;
        std::string first;
        WaitUntil([&] {
            first = simulator_->Out();
            return std::regex_search(first, found, std::regex("listening on (127\\.0\\.0\\.1:[0-9]+)"));
        });
        return found.empty() ? std::string() : found[1].str();
    }

    // The console comes up offscreen: it makes the operator's data directory (a fresh one, so that
    // no other program made it) and keeps running.
    void ExpectConsoleStarts() const
    {
        const ScratchDirectory ownData;
        MorvixctlProcess console({}, {"QT_QPA_PLATFORM=offscreen", "XDG_DATA_HOME=" + ownData.Path().string()},
                                 (prefix_ / "bin" / "morvix-console").string());
        EXPECT_TRUE(WaitUntil(
            [&] { return std::filesystem::is_directory(ownData.Path() / "morvix/MorvixAdmin/LoginHistory"); },
            std::chrono::seconds(30)))
            << console.Err();
        EXPECT_EQ(console.Wait(std::chrono::milliseconds(0)), -1) << "the console ended: " << console.Err();
    }

    const std::filesystem::path& Prefix() const { return prefix_; }

private:
    std::filesystem::path prefix_;
    std::filesystem::path userData_;
    std::unique_ptr<MorvixctlProcess> simulator_;
};

}  // namespace morvix::test
