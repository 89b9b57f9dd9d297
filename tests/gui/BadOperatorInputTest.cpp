#include "features/cache/view/CAddFCacheDlg.h"
#include "gui/ConsoleFixture.h"
#include "gui/FCacheViewFixture.h"
#include "protocol/PercentEncoding.h"
#include "shell/Utf8Text.h"
#include "shell/view/CModifyPwdDlg.h"
#include "shell/MainNavigation.h"
#include "support/EventRecorder.h"
#include "messaging/EventKinds.h"
#include "gui/ViewTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <map>

using namespace morvix::test;

namespace {

// What an operator may paste into any text field: control characters and an escape sequence,
// text that would add a pair of its own to the body, a lone surrogate and text far over any limit.
const QString kHostileInputs[] = {
    QStringLiteral("a\x01" "b\x07\x1b[31mc\td\r\ne\x7f" "f"),
    QStringLiteral("x&Note=injected&RequestID=1%41+y"),
    QStringLiteral("lone ") + QChar(0xD800) + QStringLiteral(" surrogate ") + QChar(0xDC00),
    QString(5000, QChar(u'长')),
};

// The pairs of a logged body, each value percent-decoded.
std::vector<std::pair<std::string, std::string>> Pairs(const std::string& body)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t start = 0;
    while (start <= body.size()) {
        const std::size_t end = std::min(body.find('&', start), body.size());
        const std::string pair = body.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        pairs.emplace_back(pair.substr(0, equals),
                           equals == std::string::npos ? std::string() : nsMoxHttp::PercentDecode(pair.substr(equals + 1)));
        start = end + 1;
    }
    return pairs;
}

std::vector<std::string> Names(const std::vector<std::pair<std::string, std::string>>& pairs)
{
    std::vector<std::string> names;
    for (const auto& pair : pairs)
        names.push_back(pair.first);
    return names;
}

// A value as the server receives it: valid UTF-8 within its limit, without control characters
// (line breaks only where the field has lines).
void ExpectClean(const std::string& value, std::size_t limit, bool lines)
{
    EXPECT_TRUE(Utf8Text::IsValid(value)) << value;
    EXPECT_LE(Utf8Text::CountCharacters(value), limit);
    for (unsigned char c : value) {
        const bool lineBreak = c == '\r' || c == '\n';
        EXPECT_FALSE((c < 0x20 || c == 0x7f) && !(lines && lineBreak)) << "control character " << int(c) << " in "
                                                                        << value;
    }
}

class FCacheFormInput : public FCacheViewFixture {};

class PasswordInput : public ConsoleFixture {};

}  // namespace

TEST_F(FCacheFormInput, EveryTextFieldSendsOnlyCleanText)
{
    FillRules(1);
    Open(1);
    const std::vector<std::string> expectedNames = {"Url", "Icase", "Rules", "Expire", "Unit", "Icookie",
                                                    "Olimit", "IsDiskCache", "Note", "SessionID", "RequestID"};
    for (const QString& input : kHostileInputs) {
        SCOPED_TRACE(input.left(20).toStdString());
        Button(CRuleListPage::eAdd)->click();
        QPointer<CAddFCacheDlg> form = Page()->Form();
        ASSERT_TRUE(form);
        form->UrlEdit()->insert(input);
        form->NoteEdit()->insertPlainText(input);
        const std::size_t sent = Logged("type=fcache&cmd=add");
        form->OkButton()->click();
        ASSERT_TRUE(ProcessUntil([&] { return Logged("type=fcache&cmd=add") == sent + 1 && !Page()->IsBusy(); }));
        ASSERT_TRUE(ProcessUntil([&] { return !form || form->OkButton()->isEnabled(); }));
        if (form)
            form->close();
        DrainHandOvers();

        const auto pairs = Pairs(LoggedBodies(sim, "type=fcache&cmd=add").back());
        EXPECT_EQ(Names(pairs), expectedNames) << "no pair of the operator's own";
        ExpectClean(pairs[0].second, FCacheRule::kUrlLimit, false);
        ExpectClean(pairs[8].second, CAddFCacheDlg::kNoteLimit, true);
    }
}

TEST_F(PasswordInput, ThePasswordFieldsSendOnlyCleanText)
{
    OpenWindow();
    LogIn(QStringLiteral("admin"));
    for (const QString& input : kHostileInputs) {
        SCOPED_TRACE(input.left(20).toStdString());
        window->RunCommand(eCmd_ChangePassword);
        CModifyPwdDlg* dialog = window->ChangePasswordDialog();
        ASSERT_TRUE(dialog);
        dialog->AccountField()->setCurrentIndex(dialog->AccountField()->findData(eMoxRole_Keeper));
        dialog->NewPasswordField()->insert(input);
        dialog->ConfirmationField()->insert(input);
        const std::size_t sent = CallsOf(*sim, "user", "passwd").size();
        EventRecorder events;
        dialog->OnOk();
        // A field may refuse the paste whole; then the empty password is refused before sending.
        if (dialog->NewPasswordField()->text().isEmpty()) {
            EXPECT_EQ(CallsOf(*sim, "user", "passwd").size(), sent);
            dialog->close();
            DrainHandOvers();
            continue;
        }
        ASSERT_TRUE(events.Next(eMoxCacheEvent_PasswordChanged));
        if (CModifyPwdDlg* refused = window->ChangePasswordDialog())
            refused->close();
        DrainHandOvers();

        const auto pairs = Pairs(CallsOf(*sim, "user", "passwd").back().body);
        EXPECT_EQ(Names(pairs), (std::vector<std::string>{"SessionID", "RequestID", "Username", "Password"}));
        ExpectClean(pairs[3].second, 64, false);
    }
}
