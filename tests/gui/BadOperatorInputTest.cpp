#include "features/access/view/CRewriteUrlAddDlg.h"
#include "features/access/view/CWhiteListAddDlg.h"
#include "features/cache/view/AddSCacheDlg.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "features/cache/view/CAddRCacheDlg.h"
#include "features/cache/view/CClearCacheDlg.h"
#include "features/cache/view/CDiskClearWnd.h"
#include "features/cache/view/CExportDlg.h"
#include "features/config/view/CClusterOptionDlg.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "features/config/view/CDiskSystemSetWnd.h"
#include "features/config/view/CDnsBalanceHostDlg.h"
#include "features/config/view/CDnsParamDlg.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsRedirectEntryDlg.h"
#include "features/config/view/CSystemDlg.h"
#include "features/config/view/CToolsTestCacheDlg.h"
#include "features/monitor/view/CHostDetailDlg.h"
#include "features/monitor/view/CRTHRequestBigCacheDlg.h"
#include "features/monitor/view/CRthListAddDlg.h"
#include "features/monitor/view/CRthRequestDlg.h"
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

#include <functional>
#include <map>
#include <memory>

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

class FormInput : public ConsoleFixture {};

// Every form with a field an operator types into, as a fresh instance.
struct FormCase {
    const char* name;
    std::function<QWidget*()> make;
};

const FormCase kForms[] = {
    {"refuse-cache rule", [] { return new CAddRCacheDlg(CRuleFormDlg::Mode::Add, RCacheRule{}, nullptr); }},
    {"session-cache rule", [] { return new AddSCacheDlg(CRuleFormDlg::Mode::Add, SCacheRule{}, nullptr); }},
    {"rewrite rule", [] { return new CRewriteUrlAddDlg(CRuleFormDlg::Mode::Add, RewriteRule{}, nullptr); }},
    {"black-list entry",
     [] { return new CWhiteListAddDlg(AddressList::Black, CWhiteListAddDlg::Mode::Add, AddressListEntry{}, nullptr); }},
    {"cache cleaning", [] { return new CClearCacheDlg; }},
    {"single-URL cleaning", [] { return new CDiskClearWnd; }},
    {"rules import", [] { return new CExportDlg(CExportDlg::Mode::Import, nullptr); }},
    {"cluster", [] { return new CClusterOptionDlg; }},
    {"disk-cache area", [] { return new CDiskDirUnitWnd(1); }},
    {"disk-cache system", [] { return new CDiskSystemSetWnd; }},
    {"DNS options", [] { return new CDnsParamDlg(false); }},
    {"DNS redirect list", [] { return new CDnsRedirectDlg(false); }},
    {"DNS redirect entry", [] { return new CDnsRedirectEntryDlg(nullptr, "127.0.0.1"); }},
    {"DNS balance host", [] { return new CDnsBalanceHostDlg(nullptr); }},
    {"system options", [] { return new CSystemDlg; }},
    {"cache test tool", [] { return new CToolsTestCacheDlg(CToolsTestCacheDlg::Mode::TestRegex); }},
    {"access monitor", [] { return new CRTHRequestBigCacheDlg; }},
    {"monitoring record", [] { return new CRthListAddDlg; }},
    {"monitor window", [] { return new CRthRequestDlg(RthRecord{}); }},
    {"origin detail", [] { return new CHostDetailDlg(ProxyHost{}); }},
};

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

TEST_F(FormInput, EveryFieldAnOperatorTypesIntoRefusesControlCharacters)
{
    for (const FormCase& form : kForms) {
        const std::unique_ptr<QWidget> widget(form.make());
        for (QLineEdit* edit : widget->findChildren<QLineEdit*>()) {
            if (edit->isReadOnly())
                continue;
            edit->clear();
            edit->insert(kHostileInputs[0]);
            ExpectClean(edit->text().toStdString(), kHostileInputs[0].size(), false);
            if (HasFailure())
                FAIL() << form.name << ": field " << edit->accessibleName().toStdString();
        }
    }
}
