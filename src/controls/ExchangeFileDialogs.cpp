#include "controls/ExchangeFileDialogs.h"

#include "controls/IUserInteraction.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include "controls/MoxTr.h"

namespace {

QString Filter()
{
    return MoxTr::tr("文本文件(*.txt)");
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

QString ChooseExchangeFileToSave(QWidget* parent, const QString& title, const QString& proposedName)
{
    QString path = IUserInteraction::Current().ChooseSaveFile(parent, title,
                                                              QDir(DocumentsFolder()).filePath(proposedName), Filter());
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    return path;
}

QString ChooseExchangeFileToOpen(QWidget* parent, const QString& title)
{
    return IUserInteraction::Current().ChooseOpenFile(parent, title, DocumentsFolder(), Filter());
}

QString ServerHostName()
{
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (!instance)
        return {};
    const std::string host = instance->Host();
    const std::size_t colon = host.find(':');
    return colon == std::string::npos ? QString() : QString::fromStdString(host.substr(0, colon));
}
