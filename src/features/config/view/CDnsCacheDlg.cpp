#include "features/config/view/CDnsCacheDlg.h"

#include "controls/CViewEventRelay.h"
#include "features/config/DnsRequests.h"
#include "messaging/CMoxTextEventParam.h"
#include "messaging/EventKinds.h"

#include <QFontDatabase>
#include <QTextEdit>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CDnsCacheDlg::CDnsCacheDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("DNS缓存列表"));
    content_ = new QTextEdit(this);
    content_->setReadOnly(true);
    content_->setAcceptRichText(false);
    content_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    content_->setAccessibleName(MoxTr::tr("DNS缓存列表"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content_);
    resize(640, 420);
    relay_ = std::make_unique<CViewEventRelay>(this, std::set<int>{eMoxCacheEvent_DnsCacheList},
                                               [this](int, int status, std::uintptr_t value) {
                                                   const auto* record = CMoxEventParam::As<CMoxTextEventParam>(value);
                                                   if (status == eMoxEventStatus_Ok && record)
                                                       content_->setPlainText(QString::fromStdString(record->Text()));
                                               });
    relay_->TakeOnlyAwaited(&busy_, {});
}

CDnsCacheDlg::~CDnsCacheDlg()
{
    relay_.reset();
}

void CDnsCacheDlg::Refresh()
{
    busy_.Send(DnsManager_CacheList);
}
