#pragma once

#include "controls/IUserInteraction.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <deque>

// Stands in for the operator while it lives: answers confirmations and choosers from queues,
// records every prompt and every URL handed to the browser. A prompt with no queued answer
// fails the test and is answered with Cancel or an empty path.
class CScriptedUserInteraction : public IUserInteraction {
public:
    enum class PromptKind { Confirm, YesNo, Inform, OpenFile, SaveFile, Directory, Certificate };
    struct Prompt {
        PromptKind kind;
        QString title;
        QString text;
    };

    CScriptedUserInteraction();
    ~CScriptedUserInteraction() override;
    CScriptedUserInteraction(const CScriptedUserInteraction&) = delete;
    CScriptedUserInteraction& operator=(const CScriptedUserInteraction&) = delete;

    void QueueDecision(bool accept) { decisions_.push_back(accept); }
    void QueuePath(const QString& path) { paths_.push_back(path); }
    void QueueCertificateTrust(CertificateTrust trust) { trusts_.push_back(trust); }

    const QList<Prompt>& Prompts() const { return prompts_; }
    const QList<QUrl>& OpenedUrls() const { return urls_; }

    bool Confirm(QWidget* parent, const QString& title, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void Inform(QWidget* parent, const QString& title, const QString& text) override;
    QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& folder,
                           const QString& filter) override;
    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                           const QString& filter) override;
    QString ChooseDirectory(QWidget* parent, const QString& title, const QString& folder) override;
    CertificateTrust AskCertificateTrust(QWidget* parent, const QString& server,
                                         const nsMoxHttp::ServerCertificate& certificate) override;
    bool OpenUrl(const QUrl& url) override;

private:
    bool NextDecision(PromptKind kind, const QString& title, const QString& text);
    QString NextPath(PromptKind kind, const QString& title, const QString& shownPath);

    IUserInteraction* previous_;
    std::deque<bool> decisions_;
    std::deque<QString> paths_;
    std::deque<CertificateTrust> trusts_;
    QList<Prompt> prompts_;
    QList<QUrl> urls_;
};
