#include "features/cache/view/CleanCacheCommand.h"

#include "features/cache/view/CClearTipsDlg.h"
#include "messaging/GlobalFunc_UpdateStatusBar.h"

void ConfirmAndClean(QWidget* owner, const QString& question, std::function<bool(bool withCluster)> send,
                     const char* progressText)
{
    auto* tips = new CClearTipsDlg(question, owner);
    tips->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(tips, &QDialog::accepted, tips, [tips, send = std::move(send), progressText] {
        if (send(tips->WithCluster()))
            GlobalFunc_UpdateStatusBar(progressText);
    });
    tips->open();
}
