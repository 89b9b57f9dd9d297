#include "features/cache/view/CAddFCacheDlg.h"

#include "controls/CTextLimit.h"
#include "features/cache/CacheRuleTexts.h"
#include "features/cache/FCacheEvents.h"
#include "features/cache/FCacheRequests.h"
#include "features/cache/view/CacheRuleFormFields.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"
#include "shell/LeadingDecimal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CRuleFormDlg::Texts FormTexts()
{
    return {MoxTr::tr("增加页面缓存"),
            MoxTr::tr("修改页面缓存"),
            MoxTr::tr("页面缓存"),
            {eMoxCacheEvent_FCacheAdd, MoxText::Noop("增加页面缓存信息成功。"), MoxText::Noop("增加页面缓存信息失败，%s,错误号：%d。"),
             MoxText::Noop("增加页面缓存信息失败，无法与服务器建立连接。")},
            {eMoxCacheEvent_FCacheModify, MoxText::Noop("修改页面缓存信息成功。"), MoxText::Noop("修改页面缓存信息失败，%s,错误号：%d。"),
             MoxText::Noop("修改页面缓存信息失败，无法与服务器建立连接")},
            MoxText::Noop("正在发送增加页面缓存信息的请求，请稍候...."),
            PageCacheHelpUrl()};
}

}  // namespace

CAddFCacheDlg::CAddFCacheDlg(Mode mode, const FCacheRule& rule, QWidget* parent)
    : CRuleFormDlg(mode, FormTexts(), parent)
{
    BuildFields();
    if (mode == Mode::Modify)
        ShowRule(rule);
}

void CAddFCacheDlg::BuildFields()
{
    url_ = new QLineEdit(this);
    CTextLimit::Apply(url_, FCacheRule::kUrlLimit);
    url_->setMinimumWidth(360);
    QLayout* matchRow = MakeMatchRow(matchKind_, ignoreCase_, MoxTr::tr("忽略大小写"), this);

    expire_ = new QLineEdit(QStringLiteral("30"), this);
    CTextLimit::Apply(expire_, kExpireDigits, CTextLimit::Characters::Digits);
    expire_->setMaximumWidth(80);
    unit_ = MakeCodeChoice(ExpireUnitText, kExpireUnitCount, this);
    unit_->setCurrentIndex(2);
    auto* expireRow = new QHBoxLayout;
    expireRow->addWidget(expire_);
    expireRow->addWidget(unit_);
    expireRow->addStretch();

    openLimit_ = MakeCodeChoice(OpenLimitText, kOpenLimitCount, this);
    auto* openLimitRow = new QHBoxLayout;
    openLimitRow->addWidget(openLimit_);
    openLimitRow->addStretch();
    QWidget* cookieChoice =
        MakeRadioPair(MoxTr::tr("忽略"), MoxTr::tr("不忽略"), ignoreCookie_, keepCookie_, this);
    QWidget* diskChoice = MakeRadioPair(MoxTr::tr("允许"), MoxTr::tr("不允许"), diskCache_, noDiskCache_, this);
    note_ = new QPlainTextEdit(this);
    note_->setFixedHeight(80);
    CTextLimit::Apply(note_, kNoteLimit);

    unit_->setAccessibleName(MoxTr::tr("缓存周期单位"));
    AddRow(MoxTr::tr("缓存 URL："), url_);
    AddRow(MoxTr::tr("匹配规则："), matchKind_, matchRow);
    AddRow(MoxTr::tr("缓存周期："), expire_, expireRow);
    AddRow(MoxTr::tr("缓存开放权限："), openLimit_, openLimitRow);
    AddRow(MoxTr::tr("忽略Set-Cookie："), ignoreCookie_, cookieChoice);
    AddRow(MoxTr::tr("允许硬盘缓存："), diskCache_, diskChoice);
    AddRow(MoxTr::tr("备注说明："), note_);
}

void CAddFCacheDlg::ShowRule(const FCacheRule& rule)
{
    shown_ = rule;
    CTextLimit::ShowWhole(url_, rule.Url);
    matchKind_->setCurrentIndex(rule.Rules);
    ignoreCase_->setChecked(rule.Icase == 1);
    CTextLimit::ShowWhole(expire_, std::to_string(rule.Expire));
    unit_->setCurrentIndex(rule.Unit);
    openLimit_->setCurrentIndex(rule.Olimit);
    (rule.Icookie == 1 ? ignoreCookie_ : keepCookie_)->setChecked(true);
    (rule.IsDiskCache == 1 ? diskCache_ : noDiskCache_)->setChecked(true);
    CTextLimit::ShowWhole(note_, rule.Note);
}

FCacheRule CAddFCacheDlg::RuleFromFields() const
{
    FCacheRule rule;
    rule.No = shown_.No;
    rule.Wid = shown_.Wid;
    rule.Url = CTextLimit::ValueToSend(url_, shown_.Url);
    rule.Rules = matchKind_->currentIndex();
    rule.Icase = ignoreCase_->isChecked() ? 1 : 0;
    rule.Expire = LeadingDecimalInt(CTextLimit::ValueToSend(expire_, std::to_string(shown_.Expire)));
    rule.Unit = unit_->currentIndex();
    rule.Olimit = openLimit_->currentIndex();
    rule.Icookie = ignoreCookie_->isChecked() ? 1 : 0;
    rule.IsDiskCache = diskCache_->isChecked() ? 1 : 0;
    rule.Note = CTextLimit::ValueToSend(note_, shown_.Note);
    return rule;
}

bool CAddFCacheDlg::Send()
{
    const FCacheRule rule = RuleFromFields();
    return FormMode() == Mode::Add ? CacheManager_FCacheAdd(rule) : CacheManager_FCacheModify(rule);
}

int CAddFCacheDlg::ErrorNumberOf(std::uintptr_t record) const
{
    return RefusedErrorNumber<FCacheRule>(record);
}
