#include "features/cache/view/CClearCacheDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/cache/CleanCacheRequests.h"
#include "features/cache/view/CDiskClearWnd.h"
#include "features/cache/view/CacheRuleFormFields.h"
#include "features/cache/view/CleanCacheCommand.h"
#include "shell/HelpPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

struct Shape {
    const char* button;
    const char* question;
    const char* progress;
    bool (*send)(bool withCluster);
};

constexpr Shape kWholeStores[] = {
    {MoxText::Noop("清除所有已智能缓存页面(Intelligent Webcache)"), MoxText::Noop("您确定要清理所有已智能缓存的页面(Intelligent Webcache)吗？"),
     MoxText::Noop("正在发送请理智能缓存页面的请求，请稍候...."), CacheManager_CleanSmartCache},
    {MoxText::Noop("清除所有已强制缓存的页面(Force Webcache)"), MoxText::Noop("您确定要清除所有强制缓存页面(Force Webcache)吗？"),
     MoxText::Noop("正在发送请理页面缓存页面的请求，请稍候...."), CacheManager_CleanPageCache},
    {MoxText::Noop("清除所有已缓存的会话标识(SessionID Cache)"), MoxText::Noop("您确定要清理所有已缓存的登陆验证会话(SessionID Cache)信息吗？"),
     MoxText::Noop("正在发送请理会话缓存页面的请求，请稍候...."), CacheManager_CleanSessionCache},
    {MoxText::Noop("清除所有已缓存的页面(All Webcache)"), MoxText::Noop("您确定要清理所有已缓存的页面(All Webcache)吗？"),
     MoxText::Noop("正在发送清理所有已缓存页面的请求，请稍候...."), CacheManager_CleanAllCache},
};

// What each whole-store button does, in the order of the buttons.
constexpr const char* kExplanations[] = {
    MoxText::Noop("操作提示：强制页面缓存是 Morvix 根据 \"页面缓存\" 配置规则来缓存源站页面，根据设定可缓存网站的任何页面(静态页面，动态页面，图片，视频等任何内容)。强制缓存优先级大于智能缓存，如果强制缓存与智能缓存发生冲突，以强制缓存(即 \"页面缓存\" 配置规则)优先。"),
    MoxText::Noop("操作提示：Morvix 将已缓存的所有页面全部清除。包括已 \"智能缓存\" 和 \"强制缓存\" 的所有页面。注意：不包括已缓存的会话标识(SessionID)。"),
    MoxText::Noop("操作提示：会话标识是 Morvix 根据 \"会话缓存\" 配置规则缓存的已登陆用户的会话标识(SessionID)，Morvix 可根据这个会话标识(SessionID)来判断请求用户是否为已登陆会员。如果登录会员访问命中页面缓存(缓存权限：登录用户)时，即可实现访问加速。"),
    MoxText::Noop("操作提示：Morvix 将按所设定的清除条件(地址匹配规则)，对已 \"智能缓存\" 和 \"强制缓存\" 的页面缓存按条件进行地址匹配，匹配成功的缓存页面将被清除。"),
};

QLabel* Explanation(const char* text, QWidget* parent)
{
    auto* label = new QLabel(MoxTr::tr(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CClearCacheDlg::CClearCacheDlg(QWidget* parent) : QWidget(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    tabs_->addTab(MoxTr::tr("清理缓存"));
    tabs_->addTab(MoxTr::tr("查看帮助"));
    connect(tabs_, &CMoxTabCtrl::tabBarClicked, this, [this](int index) {
        if (index == 1)
            IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(CacheCleaningHelpUrl())));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    for (int command = eSmartCache; command <= eAllCache; ++command) {
        buttons_[command] = new QPushButton(MoxTr::tr(kWholeStores[command].button), this);
        layout->addWidget(buttons_[command], 0, Qt::AlignLeft);
    }
    // The force-cache text explains the force-cache button; the others follow their buttons' order.
    layout->insertWidget(layout->indexOf(buttons_[ePageCache]) + 1, Explanation(kExplanations[0], this));
    layout->insertWidget(layout->indexOf(buttons_[eSessionCache]) + 1, Explanation(kExplanations[2], this));
    layout->insertWidget(layout->indexOf(buttons_[eAllCache]) + 1, Explanation(kExplanations[1], this));

    auto* group = new QGroupBox(MoxTr::tr("按下列条件清理已缓存的页面："), this);
    url_ = new QLineEdit(group);
    QLayout* matchRow = MakeMatchRow(matchKind_, ignoreCase_, MoxTr::tr("忽略大小写"), group);
    buttons_[eByCondition] = new QPushButton(MoxTr::tr("按以上条件清除已缓存页面"), group);
    buttons_[eByCondition]->setEnabled(false);
    connect(url_, &QLineEdit::textChanged, this,
            [this](const QString& text) { buttons_[eByCondition]->setEnabled(!text.isEmpty()); });
    auto* form = new QFormLayout(group);
    auto* urlLabel = new QLabel(MoxTr::tr("缓存 URL："), group);
    FieldLabels::Tie(urlLabel, url_);
    auto* matchLabel = new QLabel(MoxTr::tr("匹配规则："), group);
    matchLabel->setBuddy(matchKind_);
    form->addRow(urlLabel, url_);
    form->addRow(matchLabel, matchRow);
    form->addRow(QString(), buttons_[eByCondition]);
    form->addRow(Explanation(kExplanations[3], group));
    layout->addWidget(group);

    singleUrl_ = new CDiskClearWnd(this);
    layout->addWidget(singleUrl_);
    layout->addStretch();

    for (int command = eSmartCache; command <= eByCondition; ++command)
        connect(buttons_[command], &QPushButton::clicked, this, [this, command] { Run(static_cast<Command>(command)); });
}

void CClearCacheDlg::Run(Command command)
{
    if (command != eByCondition) {
        const Shape& shape = kWholeStores[command];
        ConfirmAndClean(this, MoxTr::tr(shape.question), shape.send, shape.progress);
        return;
    }
    // The condition is the one shown when the command was given, not when the question is answered.
    const std::string url = url_->text().toStdString();
    const bool icase = ignoreCase_->isChecked();
    const int rules = matchKind_->currentIndex();
    ConfirmAndClean(
        this, MoxTr::tr("您确定要清理所列条件匹配到的已缓存的页面吗？"),
        [url, icase, rules](bool withCluster) { return CacheManager_CleanThisCache(url, icase, rules, withCluster); },
        MoxText::Noop("正在发送请理缓存页面的请求，请稍候...."));
}
