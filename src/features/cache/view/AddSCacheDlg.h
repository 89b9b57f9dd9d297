#pragma once

#include "controls/CRuleFormDlg.h"
#include "features/cache/SCacheRule.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The session-cache rule form, adding a rule or changing the selected one.
class AddSCacheDlg : public CRuleFormDlg {
    Q_OBJECT
public:
    static constexpr int kExpireDigits = 6;

    // In modify mode the form shows `rule` and keeps its identifier.
    AddSCacheDlg(Mode mode, const SCacheRule& rule, QWidget* parent);

    QLineEdit* ActionUrlEdit() const { return actionUrl_; }
    QComboBox* MatchKindChoice() const { return matchKind_; }
    QCheckBox* IgnoreCaseBox() const { return ignoreCase_; }
    QLineEdit* CookieNameEdit() const { return cookieName_; }
    QLineEdit* ExpireEdit() const { return expire_; }
    QPlainTextEdit* NoteEdit() const { return note_; }

    SCacheRule RuleFromFields() const;

protected:
    bool Send() override;
    int ErrorNumberOf(std::uintptr_t record) const override;

private:
    SCacheRule shown_;
    QLineEdit* actionUrl_ = nullptr;
    QComboBox* matchKind_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    QLineEdit* cookieName_ = nullptr;
    QLineEdit* expire_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
};
