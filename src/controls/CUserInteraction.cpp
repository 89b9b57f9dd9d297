#include "controls/CUserInteraction.h"

#include "controls/CCertificateDlg.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include "controls/MoxTr.h"

namespace {

// The operator reads Chinese; Qt's own button texts would be English without a translation file.
void LabelButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, QString> labels[] = {
        {QMessageBox::Ok, MoxTr::tr("确定")},
        {QMessageBox::Cancel, MoxTr::tr("取消")},
        {QMessageBox::Yes, MoxTr::tr("是")},
        {QMessageBox::No, MoxTr::tr("否")}};
    for (const auto& [button, label] : labels)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(label);
}

QMessageBox::StandardButton Ask(QWidget* parent, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preselected)
{
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    LabelButtons(box);
    box.setDefaultButton(preselected);
    box.setEscapeButton(preselected);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

bool CUserInteraction::Confirm(QWidget* parent, const QString& title, const QString& text)
{
    return Ask(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}

bool CUserInteraction::AskYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return Ask(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void CUserInteraction::Inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    LabelButtons(box);
    box.exec();
}

IUserInteraction::CertificateTrust CUserInteraction::AskCertificateTrust(
    QWidget* parent, const QString& server, const nsMoxHttp::ServerCertificate& certificate)
{
    CCertificateDlg dialog(server, certificate, parent);
    switch (dialog.exec()) {
    case CCertificateDlg::TrustedOnce: return CertificateTrust::Once;
    case CCertificateDlg::TrustedAlways: return CertificateTrust::Always;
    default: return CertificateTrust::Refused;
    }
}

QString CUserInteraction::ChooseOpenFile(QWidget* parent, const QString& title, const QString& folder,
                                         const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString CUserInteraction::ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                                         const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

QString CUserInteraction::ChooseDirectory(QWidget* parent, const QString& title, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

bool CUserInteraction::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
