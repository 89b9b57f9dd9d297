#pragma once

#include "controls/CViewEventRelay.h"
#include "features/monitor/RthRecord.h"

#include <QDialog>

#include <memory>

class CRthSwitchBoxes;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The form "添加实时监控记录": a new monitoring record is sent to the server, and the form closes
// when the server has answered the addition. "确定" needs an address.
class CRthListAddDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kUrlCharacters = 1024;
    static constexpr int kTitleCharacters = 64;

    explicit CRthListAddDlg(QWidget* parent = nullptr);
    ~CRthListAddDlg() override;

    QLineEdit* UrlEdit() const { return url_; }
    QLineEdit* TitleEdit() const { return title_; }
    QComboBox* MatchKindChoice() const { return matchKind_; }
    QCheckBox* IgnoreCaseBox() const { return ignoreCase_; }
    CRthSwitchBoxes* Switches() const { return switches_; }
    QPushButton* OkButton() const { return okButton_; }

    RthRecord RecordFromFields() const;

signals:
    // The addition went out as this request; the list shows busy until its reply.
    void Submitted(unsigned long requestNumber);

private:
    void Submit();
    void UpdateOk();
    void ReplyShown(int status);

    QLineEdit* url_ = nullptr;
    QLineEdit* title_ = nullptr;
    QComboBox* matchKind_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    CRthSwitchBoxes* switches_ = nullptr;
    QPushButton* okButton_ = nullptr;
    CBusyState awaited_;  // the addition sent, until its reply or a login
    std::unique_ptr<CViewEventRelay> relay_;
};
