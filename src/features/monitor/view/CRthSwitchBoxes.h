#pragma once

#include "features/monitor/RthRecord.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;

// The six switches of a monitoring record's stream as check boxes, the same in the add form and
// the monitor window.
class CRthSwitchBoxes : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCount = 6;

    explicit CRthSwitchBoxes(QWidget* parent = nullptr);

    void Show(const RthRecord& record);
    void ReadInto(RthRecord& record) const;
    QCheckBox* Box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }

private:
    std::array<QCheckBox*, kCount> boxes_{};
};
