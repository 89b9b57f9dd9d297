#pragma once

#include <QDialog>
#include "controls/MoxTr.h"

class QCheckBox;
class QLabel;

// Confirms a cleaning of cached content, and whether every server of the cluster cleans too.
class CClearTipsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CClearTipsDlg(const QString& question, QWidget* parent, const QString& title = MoxTr::tr("清理缓存"));

    QCheckBox* ClusterBox() const { return cluster_; }
    bool WithCluster() const;

private:
    QCheckBox* cluster_ = nullptr;
};
