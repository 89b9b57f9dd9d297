#include "features/cache/view/CleanCacheCommand.h"

#include "features/cache/view/CClearTipsDlg.h"
#include "shell/SayThenSend.h"

void ConfirmAndClean(QWidget* owner, const QString& question, std::function<bool(bool withCluster)> send,
                     const char* progressText)
{
    auto* tips = new CClearTipsDlg(question, owner);
    tips->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(tips, &QDialog::accepted, tips, [tips, send = std::move(send), progressText] {
        SayThenSend(progressText, [&] { return send(tips->WithCluster()); });
    });
    tips->open();
}
