#include "features/cache/view/CDiskClearWnd.h"

#include "controls/FieldLabels.h"
#include "features/cache/CleanCacheRequests.h"
#include "features/cache/view/CleanCacheCommand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {
constexpr int kExactMatch = 2;
}

CDiskClearWnd::CDiskClearWnd(QWidget* parent) : QWidget(parent)
{
    auto* label = new QLabel(MoxTr::tr("按下列URL地址清理缓存页面："), this);
    url_ = new QLineEdit(this);
    FieldLabels::Tie(label, url_);
    clean_ = new QPushButton(MoxTr::tr("清理"), this);
    connect(clean_, &QPushButton::clicked, this, [this] {
        const std::string url = url_->text().toStdString();
        ConfirmAndClean(
            this, MoxTr::tr("您确定要清理所列条件匹配到的已缓存的页面吗？"),
            [url](bool withCluster) { return CacheManager_CleanThisCache(url, true, kExactMatch, withCluster); },
            MoxText::Noop("正在发送请理缓存页面的请求，请稍候...."));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(url_, 1);
    row->addWidget(clean_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addLayout(row);
}
