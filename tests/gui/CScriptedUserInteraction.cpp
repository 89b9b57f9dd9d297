#include "gui/CScriptedUserInteraction.h"

#include <gtest/gtest.h>

CScriptedUserInteraction::CScriptedUserInteraction() : previous_(IUserInteraction::Replace(this)) {}

CScriptedUserInteraction::~CScriptedUserInteraction()
{
    IUserInteraction::Replace(previous_);
}

bool CScriptedUserInteraction::Confirm(QWidget*, const QString& title, const QString& text)
{
    return NextDecision(PromptKind::Confirm, title, text);
}

bool CScriptedUserInteraction::AskYesNo(QWidget*, const QString& title, const QString& text)
{
    return NextDecision(PromptKind::YesNo, title, text);
}

void CScriptedUserInteraction::Inform(QWidget*, const QString& title, const QString& text)
{
    prompts_.append({PromptKind::Inform, title, text});
}

QString CScriptedUserInteraction::ChooseOpenFile(QWidget*, const QString& title, const QString& folder,
                                                 const QString&)
{
    return NextPath(PromptKind::OpenFile, title, folder);
}

QString CScriptedUserInteraction::ChooseSaveFile(QWidget*, const QString& title, const QString& suggestedPath,
                                                 const QString&)
{
    return NextPath(PromptKind::SaveFile, title, suggestedPath);
}

QString CScriptedUserInteraction::ChooseDirectory(QWidget*, const QString& title, const QString& folder)
{
    return NextPath(PromptKind::Directory, title, folder);
}

bool CScriptedUserInteraction::OpenUrl(const QUrl& url)
{
    urls_.append(url);
    return true;
}

IUserInteraction::CertificateTrust CScriptedUserInteraction::AskCertificateTrust(
    QWidget*, const QString& server, const nsMoxHttp::ServerCertificate& certificate)
{
    // The prompt's text is what the operator compares: the key's fingerprint.
    prompts_.append({PromptKind::Certificate, server, QString::fromStdString(certificate.publicKeySha256)});
    if (trusts_.empty()) {
        ADD_FAILURE() << "unexpected certificate of " << server.toStdString();
        return CertificateTrust::Refused;
    }
    const CertificateTrust trust = trusts_.front();
    trusts_.pop_front();
    return trust;
}

bool CScriptedUserInteraction::NextDecision(PromptKind kind, const QString& title, const QString& text)
{
    prompts_.append({kind, title, text});
    if (decisions_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool accept = decisions_.front();
    decisions_.pop_front();
    return accept;
}

QString CScriptedUserInteraction::NextPath(PromptKind kind, const QString& title, const QString& shownPath)
{
    prompts_.append({kind, title, shownPath});
    if (paths_.empty()) {
        ADD_FAILURE() << "unexpected chooser: " << title.toStdString();
        return {};
    }
    const QString path = paths_.front();
    paths_.pop_front();
    return path;
}
