#include "FuzzInput.h"

#include "AdminError.h"
#include "FormFields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const morvix::sim::FormFields fields = morvix::sim::FormFields::parse(morvix::fuzz::FuzzInput(data, size).bytes);
        fields.textOr("RequestID", "");
        fields.text("Note", 256, true);
    } catch (const morvix::sim::AdminError&) {
    }
    return 0;
}
