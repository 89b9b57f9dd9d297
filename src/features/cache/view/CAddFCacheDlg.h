#pragma once

#include "controls/CRuleFormDlg.h"
#include "features/cache/FCacheRule.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The page-cache rule form, adding a rule or changing the selected one.
class CAddFCacheDlg : public CRuleFormDlg {
    Q_OBJECT
public:
    static constexpr int kNoteLimit = 250;
    static constexpr int kExpireDigits = 6;

    // In modify mode the form shows `rule` and keeps its identifier.
    CAddFCacheDlg(Mode mode, const FCacheRule& rule, QWidget* parent);

    QLineEdit* UrlEdit() const { return url_; }
    QComboBox* MatchKindChoice() const { return matchKind_; }
    QCheckBox* IgnoreCaseBox() const { return ignoreCase_; }
    QLineEdit* ExpireEdit() const { return expire_; }
    QComboBox* UnitChoice() const { return unit_; }
    QComboBox* OpenLimitChoice() const { return openLimit_; }
    QRadioButton* IgnoreCookieButton() const { return ignoreCookie_; }
    QRadioButton* KeepCookieButton() const { return keepCookie_; }
    QRadioButton* DiskCacheButton() const { return diskCache_; }
    QRadioButton* NoDiskCacheButton() const { return noDiskCache_; }
    QPlainTextEdit* NoteEdit() const { return note_; }

    // The rule as the fields describe it.
    FCacheRule RuleFromFields() const;

protected:
    bool Send() override;
    int ErrorNumberOf(std::uintptr_t record) const override;

private:
    void BuildFields();
    void ShowRule(const FCacheRule& rule);

    FCacheRule shown_;
    QLineEdit* url_ = nullptr;
    QComboBox* matchKind_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    QLineEdit* expire_ = nullptr;
    QComboBox* unit_ = nullptr;
    QComboBox* openLimit_ = nullptr;
    QRadioButton* ignoreCookie_ = nullptr;
    QRadioButton* keepCookie_ = nullptr;
    QRadioButton* diskCache_ = nullptr;
    QRadioButton* noDiskCache_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
};
