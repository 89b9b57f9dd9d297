#pragma once

#include "controls/CRuleFormDlg.h"
#include "features/cache/RCacheRule.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The refuse-cache rule form, adding a rule or changing the selected one.
class CAddRCacheDlg : public CRuleFormDlg {
    Q_OBJECT
public:
    static constexpr int kNoteLimit = 250;

    // In modify mode the form shows `rule` and keeps its identifier.
    CAddRCacheDlg(Mode mode, const RCacheRule& rule, QWidget* parent);

    QLineEdit* UrlEdit() const { return url_; }
    QComboBox* MatchKindChoice() const { return matchKind_; }
    QCheckBox* IgnoreCaseBox() const { return ignoreCase_; }
    QComboBox* OpenLimitChoice() const { return openLimit_; }
    QRadioButton* BothCachesButton() const { return bothCaches_; }
    QRadioButton* DiskOnlyButton() const { return diskOnly_; }
    QPlainTextEdit* NoteEdit() const { return note_; }

    RCacheRule RuleFromFields() const;

protected:
    bool Send() override;
    int ErrorNumberOf(std::uintptr_t record) const override;

private:
    RCacheRule shown_;
    QLineEdit* url_ = nullptr;
    QComboBox* matchKind_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    QComboBox* openLimit_ = nullptr;
    QRadioButton* bothCaches_ = nullptr;
    QRadioButton* diskOnly_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
};
