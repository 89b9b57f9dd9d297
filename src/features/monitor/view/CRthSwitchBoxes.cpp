#include "features/monitor/view/CRthSwitchBoxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include "shell/MoxText.h"
#include "controls/MoxTr.h"

namespace {

struct SwitchShape {
    const char* text;
    std::int32_t RthRecord::*field;
};

constexpr std::array<SwitchShape, CRthSwitchBoxes::kCount> kSwitches = {{
    {MoxText::Noop("显示地理位置信息"), &RthRecord::Location},
    {MoxText::Noop("显示用户访问时间戳"), &RthRecord::DateTime},
    {MoxText::Noop("显示浏览器信息(User-Agent)"), &RthRecord::UserAgent},
    {MoxText::Noop("显示缓存命中值(0或1)"), &RthRecord::HitCache},
    {MoxText::Noop("显示会员缓存命中值(0或1)"), &RthRecord::HitMemberCache},
    {MoxText::Noop("显示访问合法性信息(0或1)"), &RthRecord::InvalidRequest},
}};

}  // namespace

CRthSwitchBoxes::CRthSwitchBoxes(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kCount; ++i) {
        boxes_[static_cast<std::size_t>(i)] = new QCheckBox(MoxTr::tr(kSwitches[static_cast<std::size_t>(i)].text), this);
        layout->addWidget(boxes_[static_cast<std::size_t>(i)], i / 2, i % 2);
    }
}

void CRthSwitchBoxes::Show(const RthRecord& record)
{
    for (std::size_t i = 0; i < kSwitches.size(); ++i)
        boxes_[i]->setChecked(record.*kSwitches[i].field != 0);
}

void CRthSwitchBoxes::ReadInto(RthRecord& record) const
{
    for (std::size_t i = 0; i < kSwitches.size(); ++i)
        record.*kSwitches[i].field = boxes_[i]->isChecked() ? 1 : 0;
}
