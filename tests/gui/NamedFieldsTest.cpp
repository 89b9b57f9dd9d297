#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CNavigatTree.h"
#include "controls/FieldLabels.h"
#include "features/cache/FCacheRule.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "gui/ConsoleFixture.h"
#include "shell/MainNavigation.h"
#include "shell/view/CModifyPwdDlg.h"
#include "shell/view/CMoxContentView.h"
#include "shell/view/CMoxAboutDlg.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

class NamedFields : public ConsoleFixture {};

bool InsideCompoundField(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up))
            return true;
    return false;
}

bool IsField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           (qobject_cast<const QAbstractItemView*>(widget) && !qobject_cast<const QHeaderView*>(widget));
}

// A label that is only an image or a link does not say what it is by its text.
bool NeedsOwnName(const QLabel* label)
{
    return !label->pixmap().isNull() || label->text().contains(QStringLiteral("<a "));
}

QString NameOf(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Every field, button, image and link of the window (also on pages not shown now) carries a name.
void ExpectEverythingNamed(QWidget* window)
{
    int fields = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isHidden() || InsideCompoundField(widget, window))
            continue;
        QString what = QString::fromLatin1(widget->metaObject()->className());
        for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
            if (up->inherits("CMoxContentView") || up->inherits("QDialog")) {
                what += QStringLiteral(" in ") + QString::fromLatin1(up->metaObject()->className());
                break;
            }
        what += QStringLiteral(" of ") + window->windowTitle();
        if (IsField(widget)) {
            ++fields;
            // What a screen reader announces: the field's own name, else its label's text.
            EXPECT_FALSE(NameOf(widget).isEmpty()) << what.toStdString();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_FALSE(NameOf(button).isEmpty()) << what.toStdString();
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && NeedsOwnName(label)) {
            EXPECT_FALSE(label->accessibleName().isEmpty()) << what.toStdString() << " " << label->text().toStdString();
        }
    }
    EXPECT_GT(fields, 0) << window->windowTitle().toStdString();
}

}  // namespace

TEST(FieldLabels, TheNameIsTheCaptionWithoutPaddingMarksOrColon)
{
    const std::pair<const char*, const char*> cases[] = {
        {"密   码：", "密码"},
        {"缓存 URL：", "缓存 URL"},
        {"*限定 Morvix 可用内存：", "限定 Morvix 可用内存"},
        {"忽略Set-Cookie：", "忽略Set-Cookie"},
        {"Port:", "Port"},
        {"  新密码  ", "新密码"},
    };
    for (const auto& [caption, name] : cases)
        EXPECT_EQ(FieldLabels::NameOf(QString::fromUtf8(caption)), QString::fromUtf8(name)) << caption;
}

TEST_F(NamedFields, EveryViewAndFormNamesItsFieldsByTheirCaptions)
{
    WriteOptions("Gui", {{"show_cache_rule", "1"}, {"show_host_monitor", "1"}, {"show_dns_redirect", "1"}});
    CMoxCacheAdminDlg& console = OpenWindow();
    CMoxLoginNormalDlg* login = LoginView().Page();
    EXPECT_EQ(NameOf(login->PasswordField()), "密码");
    EXPECT_EQ(login->PasswordField()->accessibleName(), "密码");
    const QList<QLabel*> captions = login->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(captions.begin(), captions.end(),
                            [&](const QLabel* caption) { return caption->buddy() == login->PasswordField(); }));
    ExpectEverythingNamed(&LoginView());
    LoginView().reject();

    console.RunCommand(eCmd_ChangePassword);
    ASSERT_TRUE(ProcessUntil([&] { return console.ChangePasswordDialog() != nullptr; }));
    ExpectEverythingNamed(console.ChangePasswordDialog());
    const QList<QLineEdit*> passwords = console.ChangePasswordDialog()->findChildren<QLineEdit*>();
    ASSERT_EQ(passwords.size(), 3);
    EXPECT_EQ(NameOf(passwords[1]), "新密码");
    console.ChangePasswordDialog()->reject();

    console.RunCommand(eCmd_About);
    ASSERT_TRUE(ProcessUntil([&] { return console.AboutDialog() != nullptr; }));
    for (QLabel* label : console.AboutDialog()->findChildren<QLabel*>()) {
        if (NeedsOwnName(label)) {
            EXPECT_FALSE(label->accessibleName().isEmpty()) << label->text().toStdString();
        }
    }
    console.AboutDialog()->reject();

    CAddFCacheDlg form(CRuleFormDlg::Mode::Add, FCacheRule(), &console);
    ExpectEverythingNamed(&form);
    const QList<QLineEdit*> formEdits = form.findChildren<QLineEdit*>();
    ASSERT_FALSE(formEdits.isEmpty());
    EXPECT_EQ(NameOf(formEdits[0]), "缓存 URL");

    ExpectEverythingNamed(&console);
    for (int index = 0; index < console.Navigation()->GetItemCount(); ++index) {
        const _NavigatTreeItem_* item = console.Navigation()->GetItem(index);
        EXPECT_EQ(console.View(item->commandId)->accessibleName(), item->text) << "pages are named by their item";
    }
}
