#include "features/config/view/CToolsTestCacheDlg.h"

#include "controls/CViewEventRelay.h"
#include "controls/FieldLabels.h"
#include "features/config/CMoxToolsEventParam.h"
#include "features/config/ToolsRequests.h"
#include "features/config/ToolsResultTexts.h"
#include "messaging/EventKinds.h"
#include "shell/LeadingDecimal.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

struct ModeShape {
    const char* label;
    const char* command;
    int event;
    bool (*send)(const std::string&);
};

const ModeShape kModes[] = {
    {MoxText::Noop("缓存测试地址："), MoxText::Noop("测试"), eMoxCacheEvent_ToolsTestCache, ToolsManager_TestCache},
    {MoxText::Noop("正则表达式语法："), MoxText::Noop("验证"), eMoxCacheEvent_ToolsTestRegex, ToolsManager_TestRegex},
    {MoxText::Noop("IP地址："), MoxText::Noop("查询"), eMoxCacheEvent_ToolsIpLookup, ToolsManager_IpLook},
};

const ModeShape& ShapeOf(CToolsTestCacheDlg::Mode mode)
{
    return kModes[static_cast<int>(mode)];
}

}  // namespace

CToolsTestCacheDlg::CToolsTestCacheDlg(Mode mode, QWidget* parent) : QWidget(parent), mode_(mode)
{
    const ModeShape& shape = ShapeOf(mode);
    input_ = new QLineEdit(this);
    input_->setMaxLength(kInputCharacters);
    auto* label = new QLabel(MoxTr::tr(shape.label), this);
    FieldLabels::Tie(label, input_);
    command_ = new QPushButton(MoxTr::tr(shape.command), this);
    command_->setEnabled(false);
    result_ = new QPlainTextEdit(this);
    result_->setReadOnly(true);
    result_->setAccessibleName(MoxTr::tr("结果"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(input_, 0, 1);
    grid->addWidget(command_, 0, 2);
    grid->addWidget(result_, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(input_, &QLineEdit::textChanged, this, &CToolsTestCacheDlg::UpdateCommand);
    connect(input_, &QLineEdit::returnPressed, this, &CToolsTestCacheDlg::Send);
    connect(command_, &QPushButton::clicked, this, &CToolsTestCacheDlg::Send);
    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{shape.event}, [this](int, int status, std::uintptr_t record) { ResultShown(status, record); });
    relay_->TakeOnlyAwaited(&busy_, [this] { UpdateCommand(); });
}

CToolsTestCacheDlg::~CToolsTestCacheDlg()
{
    relay_.reset();
}

void CToolsTestCacheDlg::Send()
{
    if (input_->text().isEmpty() || busy_.IsBusy())
        return;
    const std::string question = input_->text().toStdString();
    busy_.Send([&] { return ShapeOf(mode_).send(question); });
    UpdateCommand();
}

void CToolsTestCacheDlg::UpdateCommand()
{
    command_->setEnabled(!input_->text().isEmpty() && !busy_.IsBusy());
}

void CToolsTestCacheDlg::ResultShown(int status, std::uintptr_t value)
{
    const auto* record = CMoxEventParam::As<CMoxToolsEventParam>(value);
    switch (mode_) {
    case Mode::TestCache:
        if (status == eMoxEventStatus_Ok && record)
            result_->setPlainText(QString::fromStdString(CacheFlagText(LeadingDecimalInt(record->answer))));
        break;
    case Mode::TestRegex:
        if (status == eMoxEventStatus_Ok)
            result_->setPlainText(MoxTr::tr("正则表达式语法正确"));
        else if (status == eMoxEventStatus_ServerError)
            result_->setPlainText(MoxTr::tr("正则表达式语法错误"));
        break;
    case Mode::IpLookup:
        if (status == eMoxEventStatus_Ok && record)
            result_->setPlainText(QString::fromStdString(IpLookupText(record->query, record->answer)));
        break;
    }
}
