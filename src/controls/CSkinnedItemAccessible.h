#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

class IAccessibleItems;

// One drawn item of a skinned control as assistive technology sees it: its text, tooltip,
// state, place on the screen, and the actions to choose it or put the keyboard on it.
class CSkinnedItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CSkinnedItemAccessible(QWidget* control, int index, QAccessible::Role role);

    int Index() const { return index_; }

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    IAccessibleItems* Items() const;

    QPointer<QWidget> control_;
    int index_;
    QAccessible::Role role_;
};
