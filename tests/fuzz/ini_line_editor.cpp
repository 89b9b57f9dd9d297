// The writer that changes one key and keeps every other line of the file as it was.
#include "FuzzInput.h"

#include "shell/IniLineEditor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const morvix::fuzz::FuzzInput input(data, size);
    if (input.Empty())
        return 0;
    const auto [text, value] = input.Split(input.Rest());
    const char* const sections[] = {"Login", "login", "Gui", "Url"};
    const char* const keys[] = {"host", "HOST", "port", "user"};
    if (!IniLineEditor::IsStorableValue(value))
        return 0;
    IniLineEditor editor{std::string(text)};
    editor.SetValue(sections[input.Choice() % 4], keys[(input.Choice() / 4) % 4], value);
    editor.SetValue("New", "key", "value");
    return 0;
}
