#pragma once

#include "controls/CRuleListPageT.h"
#include "controls/CViewEventRelay.h"
#include "features/cache/FCacheRule.h"

#include <QPointer>

#include <memory>

class CAddFCacheDlg;

// The page-cache rules: the first page of the cache-rules manager.
class CFCachePage : public CRuleListPageT<FCacheRule, &FCacheRule::Wid> {
    Q_OBJECT
public:
    explicit CFCachePage(QWidget* parent = nullptr);
    ~CFCachePage() override;

    void RunCommand(Command command) override;
    // The rows of the previous server go; the next showing of the page asks the new one.
    void Forget();

    // The open rule form, if any.
    CAddFCacheDlg* Form() const;

private:
    void OpenForm(bool modify);
    void Refresh();
    void Move(bool up);
    void OpenMonitor();
    void KeepInstanceCopy(int kind, int status, std::uintptr_t record) const;
    void EventShown(int kind, int status, std::uintptr_t record);

    QPointer<CAddFCacheDlg> form_;
    std::unique_ptr<CViewEventRelay> relay_;
};
