#include "features/config/view/CToolsDlg.h"

#include "controls/CHelpTab.h"
#include "controls/CMoxTabCtrl.h"
#include "shell/HelpPages.h"

#include <QStackedWidget>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

CToolsDlg::CToolsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("小工具"));
    setModal(false);
    tabs_ = new CMoxTabCtrl(this);
    auto* pages = new QStackedWidget(this);
    const std::pair<const char*, CToolsTestCacheDlg::Mode> kTabs[] = {
        {MoxText::Noop("缓存测试工具"), CToolsTestCacheDlg::Mode::TestCache},
        {MoxText::Noop("验证正则表达式语法"), CToolsTestCacheDlg::Mode::TestRegex},
        {MoxText::Noop("IP地址查询"), CToolsTestCacheDlg::Mode::IpLookup},
    };
    for (const auto& [title, mode] : kTabs) {
        tabs_->addTab(MoxTr::tr(title));
        auto* form = new CToolsTestCacheDlg(mode, pages);
        forms_[static_cast<std::size_t>(mode)] = form;
        pages->addWidget(form);
    }
    tabs_->addTab(MoxTr::tr("查看帮助"));
    connect(tabs_, &CMoxTabCtrl::currentChanged, this, [pages](int index) {
        if (index < pages->count())
            pages->setCurrentIndex(index);
    });
    OpenHelpFromTab(tabs_, 3, ToolsHelpUrl());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(pages, 1);
    resize(560, 320);
}
