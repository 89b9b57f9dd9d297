#include "controls/CHelpTab.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/IUserInteraction.h"

#include <QUrl>

#include <memory>

void OpenHelpFromTab(CMoxTabCtrl* tabs, int helpIndex, std::string helpUrl)
{
    auto previous = std::make_shared<int>(tabs->currentIndex());
    QObject::connect(tabs, &CMoxTabCtrl::currentChanged, tabs, [tabs, helpIndex, helpUrl, previous](int index) {
        if (index != helpIndex) {
            *previous = index;
            return;
        }
        IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(helpUrl)));
        tabs->setCurrentIndex(*previous);
    });
}
