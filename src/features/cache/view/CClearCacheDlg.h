#pragma once

#include <QWidget>

class CDiskClearWnd;
class CMoxTabCtrl;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// Cleaning of cached content: the intelligent cache, the force cache, the cached session
// identifiers, everything, or the pages whose URL matches a pattern. Each command asks first,
// with the choice to clean every server of the cluster, and sends one request.
class CClearCacheDlg : public QWidget {
    Q_OBJECT
public:
    enum Command { eSmartCache, ePageCache, eSessionCache, eAllCache, eByCondition };

    explicit CClearCacheDlg(QWidget* parent = nullptr);

    QPushButton* CommandButton(Command command) const { return buttons_[command]; }
    QLineEdit* UrlEdit() const { return url_; }
    QComboBox* MatchKindChoice() const { return matchKind_; }
    QCheckBox* IgnoreCaseBox() const { return ignoreCase_; }
    CDiskClearWnd* SingleUrl() const { return singleUrl_; }
    CMoxTabCtrl* Tabs() const { return tabs_; }

private:
    void Run(Command command);

    CMoxTabCtrl* tabs_ = nullptr;
    QPushButton* buttons_[eByCondition + 1] = {};
    QLineEdit* url_ = nullptr;
    QComboBox* matchKind_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    CDiskClearWnd* singleUrl_ = nullptr;
};
