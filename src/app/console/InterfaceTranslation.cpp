#include "app/console/InterfaceTranslation.h"

#include <QLocale>
#include <QTranslator>

#include "shell/MoxText.h"

namespace {

QString CommandLineLanguage(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(QLatin1String("--lang=")))
            return arguments[i].mid(7);
    }
    return {};
}

std::string TranslateCoreText(std::string_view source)
{
    const std::string key(source);
    return QCoreApplication::translate("MoxText", key.c_str()).toStdString();
}

}  // namespace

bool InstallInterfaceTranslation(const QStringList& arguments)
{
    // One catalogue for the program's lifetime: a language changes with the next start.
    static QTranslator translator;
    const InterfaceLanguage language = ChooseInterfaceLanguage(
        CommandLineLanguage(arguments).toStdString(), InterfaceLanguageSetting(), QLocale::system().name().toStdString());
    QCoreApplication::removeTranslator(&translator);
    MoxText::Install(nullptr);
    SetInstalledInterfaceLanguage(InterfaceLanguage::Chinese);
    if (language == InterfaceLanguage::Chinese)
        return true;
    const QString directory = QString::fromStdString(TranslationsDirectory().string());
    if (!translator.load(QString::fromStdString(CatalogueName(language)), directory) ||
        !QCoreApplication::installTranslator(&translator))
        return false;
    MoxText::Install(&TranslateCoreText);
    SetInstalledInterfaceLanguage(language);
    return true;
}
