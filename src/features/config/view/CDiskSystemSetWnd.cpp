#include "features/config/view/CDiskSystemSetWnd.h"

#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/config/RecommendedMemory.h"
#include "features/config/SystemOptionsChangeSet.h"
#include "features/config/view/CSystemOptionsEditor.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/HelpPages.h"
#include "shell/ServerPlatform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

QString MemoryUnitText()
{
    return MoxTr::tr("MB，可设置范围：[32 - 最大剩余内存]，重启后生效！");
}
QString MemoryUnit32BitsText()
{
    return MoxTr::tr("MB，可设置范围：[32 - 1500]，重启后生效！");
}

bool ServerIs32Bits()
{
    CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    return instance && ServerPlatformOf(instance->VersionExt()).bits32;
}

}  // namespace

CDiskSystemSetWnd::CDiskSystemSetWnd(QWidget* parent) : QWidget(parent)
{
    save_ = new QPushButton(MoxTr::tr("保存所有配置"), this);
    editor_ = new CSystemOptionsEditor(this, save_, DiskTuningChanges);
    CSystemOptionFields& fields = editor_->Fields();

    auto* grid = new QGridLayout;
    int row = 0;
    auto addField = [&](const char* label, const char* initial, int maxCharacters,
                        std::vector<CSystemOptionFields::Member> members, QLabel* unit) {
        auto* edit = new QLineEdit(QString::fromUtf8(initial), this);
        edit->setFixedWidth(80);
        fields.AddNumber(edit, maxCharacters, std::move(members));
        auto* caption = FieldLabels::Tie(new QLabel(MoxTr::tr(label), this), edit);
        edit->setAccessibleDescription(unit->text());
        grid->addWidget(caption, row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        grid->addWidget(unit, row, 2);
        ++row;
        return std::tuple{edit, caption, unit};
    };
    auto unitText = [this](const char* text) { return new QLabel(MoxTr::tr(text), this); };
    auto hideRow = [](const std::tuple<QLineEdit*, QLabel*, QLabel*>& parts) {
        std::get<0>(parts)->hide();
        std::get<1>(parts)->hide();
        std::get<2>(parts)->hide();
    };

    memoryUnit_ = new QLabel(MemoryUnitText(), this);
    memory_ = std::get<0>(addField(MoxText::Noop("限定 Morvix 可用内存："), "200", 6, {&SystemOptions::MaxUsableMemSize}, memoryUnit_));
    connections_ = std::get<0>(addField(MoxText::Noop("限定最大并发连接数："), "5000", 5,
                                        {&SystemOptions::MaxConnections, &SystemOptions::MaxUpstreamConnections},
                                        unitText(MoxText::Noop("个，默认：5000，可设置范围：[0 - 60000]"))));
    minFileSize_ = std::get<0>(
        addField(MoxText::Noop("限定硬盘缓存文件的最小尺寸："), "32768", 7,
                 {&SystemOptions::MinDiskCacheContentSize, &SystemOptions::MinSizeForActivePageByDiskCache},
                 unitText(MoxText::Noop("字节，默认：32768，可设置范围：[8096 - 1048576]"))));
    const auto depth = addField(MoxText::Noop("硬盘缓存目录的最大深度："), "4", 1, {&SystemOptions::DiskCacheDirectoryDepth},
                                unitText(MoxText::Noop("级，默认：4，可设置范围：[1 - 6]")));
    const auto deduplication =
        addField(MoxText::Noop("硬盘缓存时内容去重的页面的最小尺寸："), "2048", 5, {&SystemOptions::MinSizeForRSCPByDiskCache},
                 unitText(MoxText::Noop("KB，默认：2048，可设置范围：[64 - 10240]")));
    const auto openFiles = addField(MoxText::Noop("同时读写硬盘缓存文件的最大数量限制："), "5000", 5,
                                    {&SystemOptions::MaxOpenedFilesByDiskCache},
                                    unitText(MoxText::Noop("个，默认：5000，可设置范围：[1 - 10240]")));
    indexShare_ = std::get<0>(addField(MoxText::Noop("限定缓存索引占可用内存百分比："), "30", 2, {&SystemOptions::RatioOfDCIMSAndMUMS},
                                       unitText(MoxText::Noop("%，可设置范围：[0-50]，重启后生效！"))));
    directoryDepth_ = std::get<0>(depth);
    deduplicationSize_ = std::get<0>(deduplication);
    openFiles_ = std::get<0>(openFiles);
    hideRow(depth);
    hideRow(deduplication);
    hideRow(openFiles);
    grid->setColumnStretch(2, 1);

    // Present for the options they stand for, but switched elsewhere.
    auto* memCache = new QCheckBox(MoxTr::tr("是否开启缓存加速功能"), this);
    auto* diskCache = new QCheckBox(MoxTr::tr("立刻开启硬盘缓存（开启前需配置好缓存目录）："), this);
    memCache->hide();
    diskCache->hide();

    memoryHint_ = new QLabel(this);
    memoryHelp_ = HelpLink();
    auto* hintRow = new QHBoxLayout;
    hintRow->addWidget(memoryHint_);
    hintRow->addWidget(memoryHelp_);
    hintRow->addStretch();
    auto* indexHint = new QLabel(MoxTr::tr("提示：平均情况下，1G 缓存索引可加速访问 2T 硬盘缓存。"), this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(save_);
    commands->addWidget(HelpLink());
    commands->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(memCache);
    layout->addWidget(diskCache);
    layout->addLayout(hintRow);
    layout->addWidget(indexHint);
    layout->addLayout(commands);

    connect(editor_, &CSystemOptionsEditor::OptionsShown, this, &CDiskSystemSetWnd::ShowRecommendation);
    ShowRecommendation();
}

QLabel* CDiskSystemSetWnd::HelpLink()
{
    auto* link = new QLabel(MoxTr::tr("<a href=\"help\">&lt;系统帮助&gt;</a>"), this);
    link->setAccessibleName(MoxTr::tr("系统帮助"));
    connect(link, &QLabel::linkActivated, this, [] {
        IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(
            SystemSettingHelpUrl(CMoxInstanceManager::GetInstanceManager()->Options()))));
    });
    return link;
}

void CDiskSystemSetWnd::ShowRecommendation()
{
    const bool bits32 = ServerIs32Bits();
    memoryUnit_->setText(bits32 ? MemoryUnit32BitsText() : MemoryUnitText());
    memory_->setAccessibleDescription(memoryUnit_->text());
    const std::int64_t physical = PhysicalMemoryMB(editor_->Working().ReadOnly_TotalPhyMemSizeKB);
    const std::optional<std::int64_t> recommended = RecommendedMemoryMB(physical, bits32);
    memoryHelp_->setVisible(!recommended);
    if (!recommended) {
        memoryHint_->setText(MoxTr::tr("注：此项配置比较关键，设定前请参考"));
        return;
    }
    const QString text = bits32 ? MoxTr::tr("提示：当前系统物理内存为：%1 MB，最大推荐配置为：%2 MB，更大内存支持请选择 64 位版本。")
                                : MoxTr::tr("提示：当前系统物理内存为：%1 MB，最大推荐配置为：%2 MB。");
    memoryHint_->setText(text.arg(physical).arg(*recommended));
}
