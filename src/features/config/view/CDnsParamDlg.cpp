#include "features/config/view/CDnsParamDlg.h"

#include "controls/CConfirmedCheckBox.h"
#include "controls/CViewEventRelay.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/config/DnsEvents.h"
#include "features/config/DnsRequests.h"
#include "features/config/view/CDnsCacheDlg.h"
#include "messaging/EventKinds.h"
#include "shell/LeadingDecimal.h"
#include "shell/ProductText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

constexpr int kAddressCharacters = 64;

QString Product(const char* text, bool oem)
{
    return QString::fromStdString(ProductText(text, oem));
}

QLabel* Link(const QString& text, QWidget* parent)
{
    auto* link = new QLabel(QStringLiteral("<a href=\"go\">%1</a>").arg(text.toHtmlEscaped()), parent);
    link->setAccessibleName(text);
    return link;
}

}  // namespace

CDnsParamDlg::CDnsParamDlg(bool oem, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout;
    int row = 0;
    auto addField = [&](const QString& label, int maxCharacters, const QString& hint) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(maxCharacters);
        edit->setFixedWidth(160);
        auto* caption = new QLabel(label, this);
        FieldLabels::Tie(caption, edit);
        grid->addWidget(caption, row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(hint, this), row, 2);
        ++row;
        return edit;
    };
    for (int i = 0; i < 8; ++i) {
        upstream_[static_cast<std::size_t>(i)] =
            addField(MoxTr::tr("上游 DNS 地址%1：").arg(i + 1), kAddressCharacters,
                     i == 0 ? MoxTr::tr("必填") : MoxTr::tr("可选"));
        connect(upstream_[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this, [this] { Edited(true); });
    }
    redirectIp_ = addField(Product(MoxText::Noop("Morvix 服务器 IP 地址："), oem), kAddressCharacters,
                           Product(MoxText::Noop("必填，注意：要求用户机能连接到 Morvix"), oem));
    maxCache_ = addField(MoxTr::tr("限定最大 DNS 缓存数量："), 10, MoxTr::tr("个，默认：50000，范围：[1 - 200000]"));
    minTtl_ = addField(MoxTr::tr("限定 DNS 最小缓存时间："), 6, MoxTr::tr("秒，默认：300，范围：[60 - 1800]"));
    for (QLineEdit* edit : {redirectIp_, maxCache_, minTtl_})
        connect(edit, &QLineEdit::textEdited, this, [this] { Edited(false); });
    grid->setColumnStretch(2, 1);

    syncClean_ = new QCheckBox(MoxTr::tr("修改上游 DNS 列表时同步刷新一次 DNS 缓存列表"), this);
    service_ = new CConfirmedCheckBox(MoxTr::tr("开启 DNS 缓存服务"), this);
    connect(service_, &CConfirmedCheckBox::ChangeRequested, this, &CDnsParamDlg::ServiceSwitchRequested);
    cacheCount_ = new QLabel(MoxTr::tr("当前 DNS 缓存数量：0 个。"), this);
    auto* valid = Link(MoxTr::tr("<有效缓存>"), this);
    auto* clean = Link(MoxTr::tr("<清理缓存>"), this);
    connect(valid, &QLabel::linkActivated, this, &CDnsParamDlg::OpenCacheWindow);
    connect(clean, &QLabel::linkActivated, this, &CDnsParamDlg::CleanCache);
    save_ = new QPushButton(MoxTr::tr("保存"), this);
    save_->setEnabled(false);
    connect(save_, &QPushButton::clicked, this, &CDnsParamDlg::Save);

    auto* cacheRow = new QHBoxLayout;
    cacheRow->addWidget(cacheCount_);
    cacheRow->addWidget(valid);
    cacheRow->addWidget(clean);
    cacheRow->addStretch();
    auto* commands = new QHBoxLayout;
    commands->addWidget(save_);
    commands->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Product(MoxText::Noop("说明：Morvix 轮询使用上游 DNS 列表执行域名解析操作，并实现内网 DNS 缓存加速"), oem), this));
    layout->addLayout(grid);
    layout->addWidget(syncClean_);
    layout->addWidget(service_);
    layout->addLayout(cacheRow);
    layout->addLayout(commands);
    layout->addStretch();

    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{eMoxCacheEvent_DnsSystemRead, eMoxCacheEvent_DnsSystemSet},
        [this](int kind, int status, std::uintptr_t record, unsigned long requestNumber) {
            // The settings read is the whole DNS page's, the newest shown; a change is taken only as
            // this form's own.
            if (kind == eMoxCacheEvent_DnsSystemSet ? !busy_.Take(requestNumber)
                                                    : !settingsReads_.TakeNewer(requestNumber))
                return;
            EventShown(kind, status, record);
        });
    relay_->EndBusyOnLogin(&busy_, {});
}

CDnsParamDlg::~CDnsParamDlg()
{
    relay_.reset();
}

void CDnsParamDlg::Edited(bool upstream)
{
    save_->setEnabled(true);
    if (upstream)
        upstreamChanged_ = true;
}

void CDnsParamDlg::Save()
{
    DnsSystemOptions sent = options_;
    for (std::size_t i = 0; i < upstream_.size(); ++i)
        sent.UpstreamDNS[i] = upstream_[i]->text().toStdString();
    sent.DefaultRedirectIP = redirectIp_->text().toStdString();
    sent.MaxNumOfDNSCache = LeadingDecimalInt(maxCache_->text().toStdString());
    sent.MinTTLOfDNSCache = LeadingDecimalInt(minTtl_->text().toStdString());
    if (!busy_.Send([&] { return DnsManager_SystemSave(sent); }))
        return;
    save_->setEnabled(false);
    if (syncClean_->isChecked() && upstreamChanged_)
        DnsManager_CacheClean();
}

void CDnsParamDlg::ServiceSwitchRequested(bool wanted)
{
    const bool confirmed =
        wanted ? IUserInteraction::Current().Confirm(this, MoxTr::tr("开启"), MoxTr::tr("你确定要开启 DNS 缓存功能吗？"))
               : IUserInteraction::Current().Confirm(this, MoxTr::tr("关闭"), MoxTr::tr("你确定要关闭 DNS 缓存功能吗？"));
    if (!confirmed)
        return;
    if (busy_.Send([wanted] { return DnsManager_SetCacheService(wanted ? 1 : 0); }))
        service_->setChecked(wanted);
}

void CDnsParamDlg::EventShown(int kind, int status, std::uintptr_t value)
{
    const auto* record = CMoxEventParam::As<CMoxDnsSystemEventParam>(value);
    if (kind == eMoxCacheEvent_DnsSystemRead) {
        if (status != eMoxEventStatus_Ok || !record)
            return;
        options_ = record->options;
        for (std::size_t i = 0; i < upstream_.size(); ++i)
            upstream_[i]->setText(QString::fromStdString(options_.UpstreamDNS[i]));
        redirectIp_->setText(QString::fromStdString(options_.DefaultRedirectIP));
        maxCache_->setText(QString::number(options_.MaxNumOfDNSCache));
        minTtl_->setText(QString::number(options_.MinTTLOfDNSCache));
        service_->setChecked(options_.EnableDNSCacheService != 0);
        save_->setEnabled(false);
        upstreamChanged_ = false;
        return;
    }
    save_->setEnabled(false);
    upstreamChanged_ = false;
    if (status == eMoxEventStatus_Ok && record)
        service_->setChecked(record->options.EnableDNSCacheService != 0);
    else
        service_->setChecked(options_.EnableDNSCacheService != 0);
    DnsManager_SystemList();
}

void CDnsParamDlg::OpenCacheWindow()
{
    if (!cacheWindow_) {
        cacheWindow_ = new CDnsCacheDlg(this);
        cacheWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    cacheWindow_->show();
    cacheWindow_->raise();
    cacheWindow_->Refresh();
}

void CDnsParamDlg::CleanCache()
{
    if (IUserInteraction::Current().Confirm(this, MoxTr::tr("关闭"), MoxTr::tr("你确定要清理所有已缓存的 DNS 吗？")))
        DnsManager_CacheClean();
}

void CDnsParamDlg::ShowCacheCount(std::int64_t names)
{
    cacheCount_->setText(MoxTr::tr("提示：当前 DNS 缓存数量：%1 个。").arg(names));
}
