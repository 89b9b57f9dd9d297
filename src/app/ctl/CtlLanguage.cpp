#include "CtlLanguage.h"

#include "shell/InterfaceLanguage.h"
#include "shell/MoxText.h"
#include "shell/TsCatalogue.h"

namespace {

// Read once, before any thread builds a text, and kept for the program's lifetime.
TsCatalogue catalogue;

std::string TranslateFromCatalogue(std::string_view source)
{
    return catalogue.Translate(source);
}

}  // namespace

bool InstallCtlLanguage(const std::string& commandLineLanguage)
{
    const InterfaceLanguage language =
        ChooseInterfaceLanguage(commandLineLanguage, InterfaceLanguageSetting(), EnvironmentMessagesLocale());
    if (language == InterfaceLanguage::Chinese)
        return true;
    // The catalogue in the translation tools' form: the compiled one needs Qt to read.
    catalogue = TsCatalogue::Load(TranslationsDirectory() / (CatalogueName(language) + ".ts"));
    if (catalogue.Size() == 0)
        return false;
    MoxText::Install(&TranslateFromCatalogue);
    SetInstalledInterfaceLanguage(language);
    return true;
}
