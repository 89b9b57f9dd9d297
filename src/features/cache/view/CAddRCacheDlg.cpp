#include "features/cache/view/CAddRCacheDlg.h"

#include "controls/CTextLimit.h"
#include "features/cache/CacheRuleTexts.h"
#include "features/cache/RCacheEvents.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/view/CacheRuleFormFields.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CRuleFormDlg::Texts RCacheFormTexts()
{
    return {MoxTr::tr("增加拒绝缓存"),
            MoxTr::tr("修改拒绝缓存"),
            MoxTr::tr("拒绝缓存"),
            {eMoxCacheEvent_RCacheAdd, MoxText::Noop("增加拒绝缓存信息成功。"), MoxText::Noop("增加拒绝缓存信息失败，%s,错误号：%d。"),
             MoxText::Noop("增加拒绝缓存信息失败，无法与服务器建立连接。")},
            {eMoxCacheEvent_RCacheModify, MoxText::Noop("修改拒绝缓存信息成功。"), MoxText::Noop("修改拒绝缓存信息失败，%s,错误号：%d。"),
             MoxText::Noop("修改拒绝缓存信息失败，无法与服务器建立连接")},
            MoxText::Noop("正在发送增加拒绝缓存信息的请求，请稍候...."),
            RefuseCacheHelpUrl()};
}

}  // namespace

CAddRCacheDlg::CAddRCacheDlg(Mode mode, const RCacheRule& rule, QWidget* parent)
    : CRuleFormDlg(mode, RCacheFormTexts(), parent)
{
    url_ = new QLineEdit(this);
    CTextLimit::Apply(url_, RCacheRule::kUrlLimit);
    url_->setMinimumWidth(360);
    QLayout* matchRow = MakeMatchRow(matchKind_, ignoreCase_, MoxTr::tr("忽略大小写"), this);
    openLimit_ = MakeCodeChoice(OpenLimitText, kOpenLimitCount, this);
    QWidget* location =
        MakeRadioPair(MoxTr::tr("拒绝双缓存"), MoxTr::tr("只拒绝硬盘缓存"), bothCaches_, diskOnly_, this);
    note_ = new QPlainTextEdit(this);
    note_->setFixedHeight(80);
    CTextLimit::Apply(note_, kNoteLimit);

    AddRow(MoxTr::tr("拒绝缓存 URL："), url_);
    AddRow(MoxTr::tr("匹配规则："), matchKind_, matchRow);
    AddRow(MoxTr::tr("缓存开放权限："), openLimit_);
    AddRow(MoxTr::tr("拒绝缓存位置："), bothCaches_, location);
    AddRow(MoxTr::tr("备       注："), note_);

    if (mode == Mode::Modify) {
        shown_ = rule;
        CTextLimit::ShowWhole(url_, rule.Url);
        matchKind_->setCurrentIndex(rule.Rules);
        ignoreCase_->setChecked(rule.Icase == 1);
        openLimit_->setCurrentIndex(rule.Olimit);
        (rule.CacheLocation == 0 ? bothCaches_ : diskOnly_)->setChecked(true);
        CTextLimit::ShowWhole(note_, rule.Note);
    }
}

RCacheRule CAddRCacheDlg::RuleFromFields() const
{
    RCacheRule rule;
    rule.No = shown_.No;
    rule.Wid = shown_.Wid;
    rule.Url = CTextLimit::ValueToSend(url_, shown_.Url);
    rule.Rules = matchKind_->currentIndex();
    rule.Icase = ignoreCase_->isChecked() ? 1 : 0;
    rule.Olimit = openLimit_->currentIndex();
    rule.CacheLocation = bothCaches_->isChecked() ? 0 : 1;
    rule.Note = CTextLimit::ValueToSend(note_, shown_.Note);
    return rule;
}

bool CAddRCacheDlg::Send()
{
    const RCacheRule rule = RuleFromFields();
    return FormMode() == Mode::Add ? CacheManager_RCacheAdd(rule) : CacheManager_RCacheModify(rule);
}

int CAddRCacheDlg::ErrorNumberOf(std::uintptr_t record) const
{
    return RefusedErrorNumber<RCacheRule>(record);
}
