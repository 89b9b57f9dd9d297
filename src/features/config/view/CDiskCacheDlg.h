#pragma once

#include "shell/view/CMoxContentView.h"

// The disk-cache page: the cache directories above, the disk-cache tuning values below.
class CDiskCacheDlg : public CMoxContentView {
    Q_OBJECT
public:
    explicit CDiskCacheDlg(QWidget* parent = nullptr);
};
