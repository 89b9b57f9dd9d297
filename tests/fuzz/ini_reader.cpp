#include "FuzzInput.h"
#include "ScratchFile.h"

#include "shell/IniProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const morvix::fuzz::ScratchFile file("reader.ini");
    const IniProfile profile(file.Write(morvix::fuzz::FuzzInput(data, size).bytes));
    for (const char* section : {"Login", "Gui", "Url"})
        for (const char* key : {"host", "port", "user", ""})
            profile.ReadString(section, key, "fallback", 64);
    return 0;
}
