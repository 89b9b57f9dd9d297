#include "features/access/view/CRewriteUrlAddDlg.h"

#include "controls/CTextLimit.h"
#include "features/access/RewriteColumns.h"
#include "features/access/RewriteRequests.h"
#include "features/cache/view/CacheRuleFormFields.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CRuleFormDlg::Texts FormTexts(CRuleFormDlg::Mode mode)
{
    return {MoxTr::tr("增加转向配置"),
            MoxTr::tr("修改转向配置"),
            MoxTr::tr("转向配置"),
            {eMoxCacheEvent_RewriteAdd, MoxText::Noop("增加转向配置信息成功。"), MoxText::Noop("增加转向配置信息失败，%s,错误号：%d。"),
             MoxText::Noop("增加转向配置信息失败，无法与服务器建立连接。")},
            {eMoxCacheEvent_RewriteModify, MoxText::Noop("修改转向配置信息成功。"), MoxText::Noop("修改转向配置信息失败，%s,错误号：%d。"),
             MoxText::Noop("修改转向配置信息失败，无法与服务器建立连接")},
            mode == CRuleFormDlg::Mode::Add ? MoxText::Noop("正在添加转向配置数据，请稍候....") : MoxText::Noop("正在修改转向配置数据，请稍候...."),
            RewriteHelpUrl()};
}

}  // namespace

CRewriteUrlAddDlg::CRewriteUrlAddDlg(Mode mode, const RewriteRule& rule, QWidget* parent)
    : CRuleFormDlg(mode, FormTexts(mode), parent)
{
    source_ = new QLineEdit(this);
    CTextLimit::Apply(source_, RewriteRule::kUrlLimit);
    source_->setMinimumWidth(360);
    destination_ = new QLineEdit(this);
    CTextLimit::Apply(destination_, RewriteRule::kUrlLimit);
    flag_ = MakeCodeChoice(RewriteFlagText, kRewriteFlagCount, this);
    QWidget* caseChoice = MakeRadioPair(MoxTr::tr("忽略"), MoxTr::tr("不忽略"), ignoreCase_, matchCase_, this);
    note_ = new QPlainTextEdit(this);
    note_->setFixedHeight(80);
    CTextLimit::Apply(note_, RewriteRule::kNoteLimit);

    AddRow(MoxTr::tr("访问地址URL："), source_);
    AddRow(MoxTr::tr("转向地址URL："), destination_);
    AddRow(MoxTr::tr("转向逻辑："), flag_);
    AddRow(MoxTr::tr("忽略大小写："), ignoreCase_, caseChoice);
    AddRow(MoxTr::tr("备注说明："), note_);

    if (mode == Mode::Modify) {
        shown_ = rule;
        CTextLimit::ShowWhole(source_, rule.SourceUrl);
        CTextLimit::ShowWhole(destination_, rule.DestinationUrl);
        flag_->setCurrentIndex(rule.Flag);
        (rule.Icase == 1 ? ignoreCase_ : matchCase_)->setChecked(true);
        CTextLimit::ShowWhole(note_, rule.Note);
        note_->moveCursor(QTextCursor::End);
    }
}

RewriteRule CRewriteUrlAddDlg::RuleFromFields() const
{
    RewriteRule rule;
    rule.No = shown_.No;
    rule.RewriteID = shown_.RewriteID;
    rule.SourceUrl = CTextLimit::ValueToSend(source_, shown_.SourceUrl);
    rule.DestinationUrl = CTextLimit::ValueToSend(destination_, shown_.DestinationUrl);
    rule.Flag = flag_->currentIndex();
    rule.Icase = ignoreCase_->isChecked() ? 1 : 0;
    rule.Note = CTextLimit::ValueToSend(note_, shown_.Note);
    return rule;
}

bool CRewriteUrlAddDlg::Send()
{
    const RewriteRule rule = RuleFromFields();
    return FormMode() == Mode::Add ? RewriteManager_Add(rule) : RewriteManager_Modify(rule);
}

int CRewriteUrlAddDlg::ErrorNumberOf(std::uintptr_t record) const
{
    return RefusedErrorNumber<RewriteRule>(record);
}
