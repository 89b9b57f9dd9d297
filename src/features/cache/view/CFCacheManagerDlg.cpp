#include "features/cache/view/CFCacheManagerDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/IUserInteraction.h"
#include "features/cache/view/CClearCacheDlg.h"
#include "features/cache/view/CExportDlg.h"
#include "features/cache/view/CFCachePage.h"
#include "features/cache/view/CMoxSCacheDlg.h"
#include "features/cache/view/CRCacheManagerDlg.h"
#include "shell/HelpPages.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

void OpenPageCacheHelp()
{
    IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(PageCacheHelpUrl())));
}

// The console has no embedded browser: the help opens in the system's, and this page offers it again.
QWidget* HelpPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* text = new QLabel(MoxTr::tr("页面缓存帮助已在浏览器中打开。"), page);
    auto* open = new QPushButton(MoxTr::tr("再次打开帮助"), page);
    QObject::connect(open, &QPushButton::clicked, page, OpenPageCacheHelp);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

const std::pair<const char*, const char*> kTabs[] = {{MoxText::Noop("页面缓存"), MoxText::Noop("页面缓存列表")},
                                             {MoxText::Noop("拒绝缓存"), MoxText::Noop("拒绝缓存列表")},
                                             {MoxText::Noop("会话缓存"), MoxText::Noop("会话缓存列表")},
                                             {MoxText::Noop("清理缓存"), MoxText::Noop("清理已缓存的页面")},
                                             {MoxText::Noop("帮助"), MoxText::Noop("页面缓存帮助")}};

}  // namespace

CFCacheManagerDlg::CFCacheManagerDlg(QWidget* parent) : CMoxContentView(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    for (const auto& [text, tooltip] : kTabs)
        tabs_->setTabToolTip(tabs_->addTab(MoxTr::tr(text)), MoxTr::tr(tooltip));

    pages_ = new QStackedWidget(this);
    pageCache_ = new CFCachePage(pages_);
    AddListPage(pageCache_, ePageCache);

    connect(tabs_, &CMoxTabCtrl::currentChanged, this, [this](int index) { ShowPage(static_cast<Page>(index)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
}

bool CFCacheManagerDlg::BuildLaterParts()
{
    if (refuseCache_)
        return false;
    refuseCache_ = new CRCacheManagerDlg(pages_);
    sessionCache_ = new CMoxSCacheDlg(pages_);
    cleaning_ = new CClearCacheDlg(pages_);
    AddListPage(refuseCache_, eRefuseCache);
    AddListPage(sessionCache_, eSessionCache);
    pages_->addWidget(cleaning_);
    pages_->addWidget(HelpPage(pages_));
    return true;
}

CRCacheManagerDlg* CFCacheManagerDlg::RefuseCache()
{
    BuildLaterParts();
    return refuseCache_;
}

CMoxSCacheDlg* CFCacheManagerDlg::SessionCache()
{
    BuildLaterParts();
    return sessionCache_;
}

CClearCacheDlg* CFCacheManagerDlg::Cleaning()
{
    BuildLaterParts();
    return cleaning_;
}

void CFCacheManagerDlg::AddListPage(CRuleListPage* page, Page index)
{
    page->List()->setAccessibleName(MoxTr::tr(kTabs[index].second));
    page->SetTransfer([page](bool importing) { CExportDlg::OpenOver(page, importing); });
    pages_->addWidget(page);
}

CFCacheManagerDlg::Page CFCacheManagerDlg::CurrentPage() const
{
    return static_cast<Page>(pages_->currentIndex());
}

void CFCacheManagerDlg::ShowPage(Page page)
{
    BuildLaterParts();
    const bool changed = page != CurrentPage();
    if (tabs_->currentIndex() != page) {
        tabs_->setCurrentIndex(page);  // comes back here through currentChanged
        return;
    }
    pages_->setCurrentIndex(page);
    if (changed && isVisible())
        PageShown();
}

void CFCacheManagerDlg::OnServerChanged(const ServerPlatform&)
{
    pageCache_->Forget();
    if (refuseCache_) {
        refuseCache_->Forget();
        sessionCache_->Forget();
    }
    if (isVisible())
        PageShown();
}

void CFCacheManagerDlg::showEvent(QShowEvent* event)
{
    CMoxContentView::showEvent(event);
    // A window brought back from the task bar shows nothing new.
    if (!event->spontaneous())
        PageShown();
}

void CFCacheManagerDlg::PageShown()
{
    switch (CurrentPage()) {
    case ePageCache:
        pageCache_->RunCommand(CRuleListPage::eRefresh);
        break;
    case eRefuseCache:
        refuseCache_->RunCommand(CRuleListPage::eRefresh);
        break;
    case eSessionCache:
        sessionCache_->RunCommand(CRuleListPage::eRefresh);
        break;
    case eCleaning:
        break;
    case eHelp:
        if (!helpShown_)
            OpenPageCacheHelp();
        helpShown_ = true;
        break;
    }
}
