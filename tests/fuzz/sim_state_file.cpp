#include "FuzzInput.h"
#include "ScratchFile.h"

#include "RuntimeSettings.h"
#include "SessionStore.h"
#include "SimOptions.h"
#include "SimState.h"
#include "StateFile.h"
#include "StateJson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const morvix::fuzz::ScratchFile file("state.json");
    static morvix::sim::SimOptions options;
    static morvix::sim::RuntimeSettings settings(10, "3.5.0", "Linux 64Bits");
    static morvix::sim::SessionStore sessions(std::chrono::seconds(600));
    try {
        const auto document = morvix::sim::StateFile(file.Write(morvix::fuzz::FuzzInput(data, size).bytes)).read();
        if (!document)
            return 0;
        morvix::sim::SimState state(options, sessions, settings);
        state.load(*document);
    } catch (const morvix::sim::StateFormatError&) {
    }
    return 0;
}
