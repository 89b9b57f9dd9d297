#pragma once

#include "features/config/view/CToolsTestCacheDlg.h"

#include <QDialog>

#include <array>

class CMoxTabCtrl;

// "小工具": the cache test, the regular-expression check and the IP lookup on three tabs, the
// tools help on the fourth. Not modal: the operator keeps it open beside the pages.
class CToolsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CToolsDlg(QWidget* parent = nullptr);

    CMoxTabCtrl* Tabs() const { return tabs_; }
    CToolsTestCacheDlg* Form(CToolsTestCacheDlg::Mode mode) const { return forms_[static_cast<std::size_t>(mode)]; }

private:
    CMoxTabCtrl* tabs_ = nullptr;
    std::array<CToolsTestCacheDlg*, 3> forms_{};
};
