#include "features/cache/view/CAddFCacheDlg.h"

#include "controls/CTextLimit.h"
#include "features/cache/CacheRuleTexts.h"
#include "features/cache/FCacheEvents.h"
#include "features/cache/FCacheRequests.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"
#include "shell/LeadingDecimal.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace {

CRuleFormDlg::Texts FormTexts()
{
    return {QStringLiteral("增加页面缓存"),
            QStringLiteral("修改页面缓存"),
            QStringLiteral("页面缓存"),
            {eMoxCacheEvent_FCacheAdd, "增加页面缓存信息成功。", "增加页面缓存信息失败，%s,错误号：%d。",
             "增加页面缓存信息失败，无法与服务器建立连接。"},
            {eMoxCacheEvent_FCacheModify, "修改页面缓存信息成功。", "修改页面缓存信息失败，%s,错误号：%d。",
             "修改页面缓存信息失败，无法与服务器建立连接"},
            "正在发送增加页面缓存信息的请求，请稍候....",
            PageCacheHelpUrl()};
}

QComboBox* Choice(std::string_view (*text)(int), int count, QWidget* parent)
{
    auto* choice = new QComboBox(parent);
    for (int code = 0; code < count; ++code)
        choice->addItem(QString::fromUtf8(text(code).data(), static_cast<qsizetype>(text(code).size())));
    return choice;
}

// Two exclusive choices on a row of their own, so that they exclude no other radio button.
QWidget* RadioPair(const QString& firstText, const QString& secondText, QRadioButton*& first,
                   QRadioButton*& second, QWidget* parent)
{
    auto* row = new QWidget(parent);
    first = new QRadioButton(firstText, row);
    second = new QRadioButton(secondText, row);
    auto* group = new QButtonGroup(row);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    return row;
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
    url_->setMaxLength(FCacheRule::kUrlLimit);
    url_->setMinimumWidth(360);
    matchKind_ = Choice(MatchKindText, kMatchKindCount, this);
    ignoreCase_ = new QCheckBox(QStringLiteral("忽略大小写"), this);
    ignoreCase_->setChecked(true);
    auto* matchRow = new QHBoxLayout;
    matchRow->addWidget(matchKind_);
    matchRow->addWidget(ignoreCase_);
    matchRow->addStretch();

    expire_ = new QLineEdit(QStringLiteral("30"), this);
    expire_->setMaxLength(kExpireDigits);
    expire_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), expire_));
    expire_->setMaximumWidth(80);
    unit_ = Choice(ExpireUnitText, kExpireUnitCount, this);
    unit_->setCurrentIndex(2);
    auto* expireRow = new QHBoxLayout;
    expireRow->addWidget(expire_);
    expireRow->addWidget(unit_);
    expireRow->addStretch();

    openLimit_ = Choice(OpenLimitText, kOpenLimitCount, this);
    auto* openLimitRow = new QHBoxLayout;
    openLimitRow->addWidget(openLimit_);
    openLimitRow->addStretch();
    QWidget* cookieChoice =
        RadioPair(QStringLiteral("忽略"), QStringLiteral("不忽略"), ignoreCookie_, keepCookie_, this);
    QWidget* diskChoice = RadioPair(QStringLiteral("允许"), QStringLiteral("不允许"), diskCache_, noDiskCache_, this);
    note_ = new QPlainTextEdit(this);
    note_->setFixedHeight(80);
    CTextLimit::Apply(note_, kNoteLimit);

    unit_->setAccessibleName(QStringLiteral("缓存周期单位"));
    AddRow(QStringLiteral("缓存 URL："), url_);
    AddRow(QStringLiteral("匹配规则："), matchRow, matchKind_);
    AddRow(QStringLiteral("缓存周期："), expireRow, expire_);
    AddRow(QStringLiteral("缓存开放权限："), openLimitRow, openLimit_);
    AddRow(QStringLiteral("忽略Set-Cookie："), cookieChoice);
    AddRow(QStringLiteral("允许硬盘缓存："), diskChoice);
    AddRow(QStringLiteral("备注说明："), note_);
}

void CAddFCacheDlg::ShowRule(const FCacheRule& rule)
{
    shown_ = rule;
    url_->setText(QString::fromStdString(rule.Url));
    matchKind_->setCurrentIndex(rule.Rules);
    ignoreCase_->setChecked(rule.Icase == 1);
    expire_->setText(QString::number(rule.Expire));
    unit_->setCurrentIndex(rule.Unit);
    openLimit_->setCurrentIndex(rule.Olimit);
    (rule.Icookie == 1 ? ignoreCookie_ : keepCookie_)->setChecked(true);
    (rule.IsDiskCache == 1 ? diskCache_ : noDiskCache_)->setChecked(true);
    note_->setPlainText(QString::fromStdString(rule.Note));
}

FCacheRule CAddFCacheDlg::RuleFromFields() const
{
    FCacheRule rule;
    rule.No = shown_.No;
    rule.Wid = shown_.Wid;
    rule.Url = url_->text().toStdString();
    rule.Rules = matchKind_->currentIndex();
    rule.Icase = ignoreCase_->isChecked() ? 1 : 0;
    rule.Expire = LeadingDecimalInt(expire_->text().toStdString());
    rule.Unit = unit_->currentIndex();
    rule.Olimit = openLimit_->currentIndex();
    rule.Icookie = ignoreCookie_->isChecked() ? 1 : 0;
    rule.IsDiskCache = diskCache_->isChecked() ? 1 : 0;
    rule.Note = note_->toPlainText().toStdString();
    return rule;
}

bool CAddFCacheDlg::Send()
{
    const FCacheRule rule = RuleFromFields();
    return FormMode() == Mode::Add ? CacheManager_FCacheAdd(rule) : CacheManager_FCacheModify(rule);
}

int CAddFCacheDlg::ErrorNumberOf(std::uintptr_t record) const
{
    const auto* refused = dynamic_cast<const CMoxItemEventParamT<FCacheRule>*>(CMoxEventParam::FromParam(record));
    return refused ? refused->errorNo : 0;
}
