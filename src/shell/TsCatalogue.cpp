#include "shell/TsCatalogue.h"

#include "shell/MoxText.h"

#include <tinyxml2.h>

TsCatalogue TsCatalogue::Load(const std::filesystem::path& file)
{
    TsCatalogue catalogue;
    tinyxml2::XMLDocument document;
    if (document.LoadFile(file.c_str()) != tinyxml2::XML_SUCCESS)
        return catalogue;
    const tinyxml2::XMLElement* root = document.FirstChildElement("TS");
    for (auto* context = root ? root->FirstChildElement("context") : nullptr; context;
         context = context->NextSiblingElement("context")) {
        for (auto* message = context->FirstChildElement("message"); message;
             message = message->NextSiblingElement("message")) {
            const auto* source = message->FirstChildElement("source");
            const auto* translation = message->FirstChildElement("translation");
            // An unfinished or vanished entry is no translation yet.
            if (!source || !translation || translation->Attribute("type"))
                continue;
            const char* text = translation->GetText();
            if (source->GetText() && text && *text)
                catalogue.texts_.emplace(source->GetText(), text);
        }
    }
    return catalogue;
}

std::string TsCatalogue::Translate(std::string_view source) const
{
    const auto found = texts_.find(std::string(source));
    return found == texts_.end() ? std::string(source) : found->second;
}

namespace {

// Read once, before any thread builds a text, and kept for the program's lifetime.
TsCatalogue installedCatalogue;

std::string TranslateFromInstalledCatalogue(std::string_view source)
{
    return installedCatalogue.Translate(source);
}

}  // namespace

bool InstallTsCatalogue(InterfaceLanguage language)
{
    if (language == InterfaceLanguage::Chinese)
        return true;
    // The catalogue in the translation tools' form: the compiled one needs Qt to read.
    installedCatalogue = TsCatalogue::Load(TranslationsDirectory() / (CatalogueName(language) + ".ts"));
    if (installedCatalogue.Size() == 0)
        return false;
    MoxText::Install(&TranslateFromInstalledCatalogue);
    SetInstalledInterfaceLanguage(language);
    return true;
}
