#pragma once

#include "controls/CRuleFormDlg.h"
#include "features/access/RewriteRule.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The rewrite rule form, adding a rule or changing the selected one.
class CRewriteUrlAddDlg : public CRuleFormDlg {
    Q_OBJECT
public:
    // In modify mode the form shows `rule` and keeps its identifier.
    CRewriteUrlAddDlg(Mode mode, const RewriteRule& rule, QWidget* parent);

    QLineEdit* SourceUrlEdit() const { return source_; }
    QLineEdit* DestinationUrlEdit() const { return destination_; }
    QComboBox* FlagChoice() const { return flag_; }
    QRadioButton* IgnoreCaseButton() const { return ignoreCase_; }
    QRadioButton* MatchCaseButton() const { return matchCase_; }
    QPlainTextEdit* NoteEdit() const { return note_; }

    RewriteRule RuleFromFields() const;

protected:
    bool Send() override;
    int ErrorNumberOf(std::uintptr_t record) const override;

private:
    RewriteRule shown_;
    QLineEdit* source_ = nullptr;
    QLineEdit* destination_ = nullptr;
    QComboBox* flag_ = nullptr;
    QRadioButton* ignoreCase_ = nullptr;
    QRadioButton* matchCase_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
};
