#include "features/cache/view/AddSCacheDlg.h"

#include "controls/CTextLimit.h"
#include "features/cache/SCacheRequests.h"
#include "features/cache/view/CacheRuleFormFields.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"
#include "shell/LeadingDecimal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CRuleFormDlg::Texts SCacheFormTexts(CRuleFormDlg::Mode mode)
{
    return {MoxTr::tr("增加会话缓存"),
            MoxTr::tr("修改会话缓存"),
            MoxTr::tr("会话缓存"),
            {eMoxCacheEvent_SCacheAdd, MoxText::Noop("增加会话缓存信息成功。"), MoxText::Noop("增加会话缓存信息失败，%s,错误号：%d。"),
             MoxText::Noop("增加会话缓存信息失败，无法与服务器建立连接。")},
            {eMoxCacheEvent_SCacheModify, MoxText::Noop("修改会话缓存信息成功。"), MoxText::Noop("修改会话缓存信息失败，%s,错误号：%d。"),
             MoxText::Noop("修改会话缓存信息失败，无法与服务器建立连接")},
            mode == CRuleFormDlg::Mode::Add ? MoxText::Noop("正在发送添加会话缓存信息的请求，请稍候....")
                                            : MoxText::Noop("正在发送会话缓存信息的请求，请稍候...."),
            SessionCacheHelpUrl()};
}

}  // namespace

AddSCacheDlg::AddSCacheDlg(Mode mode, const SCacheRule& rule, QWidget* parent)
    : CRuleFormDlg(mode, SCacheFormTexts(mode), parent)
{
    actionUrl_ = new QLineEdit(this);
    CTextLimit::Apply(actionUrl_, SCacheRule::kActionUrlLimit);
    actionUrl_->setMinimumWidth(360);
    QLayout* matchRow = MakeMatchRow(matchKind_, ignoreCase_, MoxTr::tr("忽略大小写 "), this);
    cookieName_ = new QLineEdit(this);
    CTextLimit::Apply(cookieName_, SCacheRule::kCookieNameLimit);
    expire_ = new QLineEdit(QStringLiteral("60"), this);
    CTextLimit::Apply(expire_, kExpireDigits, CTextLimit::Characters::Digits);
    expire_->setMaximumWidth(80);
    auto* expireRow = new QHBoxLayout;
    expireRow->addWidget(expire_);
    expireRow->addWidget(new QLabel(MoxTr::tr("秒"), this));
    expireRow->addStretch();
    note_ = new QPlainTextEdit(this);
    note_->setFixedHeight(80);
    CTextLimit::Apply(note_, SCacheRule::kNoteLimit);

    AddRow(MoxTr::tr("登录验证地址URL："), actionUrl_);
    AddRow(MoxTr::tr("匹配规则："), matchKind_, matchRow);
    AddRow(MoxTr::tr("会话ID变量名："), cookieName_);
    AddRow(MoxTr::tr("超时周期："), expire_, expireRow);
    AddRow(MoxTr::tr("备注说明："), note_);

    if (mode == Mode::Modify) {
        shown_ = rule;
        CTextLimit::ShowWhole(actionUrl_, rule.ActionUrl);
        matchKind_->setCurrentIndex(rule.Rules);
        ignoreCase_->setChecked(rule.Icase == 1);
        CTextLimit::ShowWhole(cookieName_, rule.SetCookieSessionID);
        CTextLimit::ShowWhole(expire_, std::to_string(rule.SessionExpire));
        CTextLimit::ShowWhole(note_, rule.Note);
    }
}

SCacheRule AddSCacheDlg::RuleFromFields() const
{
    SCacheRule rule;
    rule.No = shown_.No;
    rule.Wid = shown_.Wid;
    rule.ActionUrl = CTextLimit::ValueToSend(actionUrl_, shown_.ActionUrl);
    rule.Rules = matchKind_->currentIndex();
    rule.Icase = ignoreCase_->isChecked() ? 1 : 0;
    rule.SetCookieSessionID = CTextLimit::ValueToSend(cookieName_, shown_.SetCookieSessionID);
    rule.SessionExpire = LeadingDecimalInt(CTextLimit::ValueToSend(expire_, std::to_string(shown_.SessionExpire)));
    rule.Note = CTextLimit::ValueToSend(note_, shown_.Note);
    return rule;
}

bool AddSCacheDlg::Send()
{
    const SCacheRule rule = RuleFromFields();
    return FormMode() == Mode::Add ? CacheManager_SCacheAdd(rule) : CacheManager_SCacheModify(rule);
}

int AddSCacheDlg::ErrorNumberOf(std::uintptr_t record) const
{
    return RefusedErrorNumber<SCacheRule>(record);
}
