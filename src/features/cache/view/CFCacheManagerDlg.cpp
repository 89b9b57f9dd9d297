#include "features/cache/view/CFCacheManagerDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "features/cache/view/CFCachePage.h"

#include <QLabel>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A page whose view comes later says which view it will be.
QWidget* PendingPage(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CFCacheManagerDlg::CFCacheManagerDlg(QWidget* parent) : CMoxContentView(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    const std::pair<QString, QString> tabs[] = {{QStringLiteral("页面缓存"), QStringLiteral("页面缓存列表")},
                                                {QStringLiteral("拒绝缓存"), QStringLiteral("拒绝缓存列表")},
                                                {QStringLiteral("会话缓存"), QStringLiteral("会话缓存列表")}};
    for (const auto& [text, tooltip] : tabs)
        tabs_->setTabToolTip(tabs_->addTab(text), tooltip);

    pages_ = new QStackedWidget(this);
    pageCache_ = new CFCachePage(pages_);
    pageCache_->List()->setAccessibleName(tabs[ePageCache].second);
    pages_->addWidget(pageCache_);
    pages_->addWidget(PendingPage(QStringLiteral("此页将显示：拒绝缓存规则列表（拒绝缓存视图）"), pages_));
    pages_->addWidget(PendingPage(QStringLiteral("此页将显示：会话缓存规则列表（会话缓存视图）"), pages_));
    pages_->addWidget(PendingPage(QStringLiteral("此页将显示：缓存清理（缓存清理视图）"), pages_));
    pages_->addWidget(PendingPage(QStringLiteral("此页将显示：页面缓存帮助"), pages_));

    connect(tabs_, &CMoxTabCtrl::currentChanged, this, [this](int index) { ShowPage(static_cast<Page>(index)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
}

CFCacheManagerDlg::Page CFCacheManagerDlg::CurrentPage() const
{
    return static_cast<Page>(pages_->currentIndex());
}

void CFCacheManagerDlg::ShowPage(Page page)
{
    const bool changed = page != CurrentPage();
    if (page <= eSessionCache && tabs_->currentIndex() != page) {
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
    if (CurrentPage() == ePageCache)
        pageCache_->RunCommand(CRuleListPage::eRefresh);
}
