#pragma once

#include "shell/view/CMoxContentView.h"

class CClusterOptionDlg;

// The cluster page: the form on its first tab; the second tab opens the cluster help page.
class CClusterDlg : public CMoxContentView {
    Q_OBJECT
public:
    explicit CClusterDlg(QWidget* parent = nullptr);

    CClusterOptionDlg* Form() const { return form_; }

    void OnChosen() override;
    void OnServerChanged(const ServerPlatform& platform) override;

private:
    CClusterOptionDlg* form_ = nullptr;
};
