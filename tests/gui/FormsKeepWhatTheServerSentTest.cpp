// A form shows what the server holds whole and sends it back untouched unless the operator edits
// it; a note typed on several lines stays so on the server and is one line in the exported file.
#include "features/cache/RulesFile.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "features/cache/view/CExportDlg.h"
#include "features/config/view/CDnsRedirectEntryDlg.h"
#include "files/ScratchDirectory.h"
#include "gui/FCacheViewFixture.h"
#include "protocol/PercentEncoding.h"
#include "shell/ExchangeFileText.h"

#include <algorithm>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace morvix::test;

namespace {

class FormsKeepWhatTheServerSent : public FCacheViewFixture {
protected:
    // The value of one field of a logged form body, decoded.
    static std::string Field(const std::string& body, const std::string& name)
    {
        const std::size_t start = body.find(name + "=");
        const std::size_t value = start + name.size() + 1;
        return nsMoxHttp::PercentDecode(body.substr(value, body.find('&', value) - value));
    }
};

}  // namespace

TEST_F(FormsKeepWhatTheServerSent, ModifyWithoutAnEditSendsTheWholeNote)
{
    // 601 characters, more than twice what the form lets anyone type, with a line break inside.
    const std::string note = "第一行\r\n" + std::string(596, 'n');
    Json::Value rule;
    rule["Wid"] = "w1";
    rule["Url"] = "/long/*";
    rule["Note"] = note;
    for (const char* code : {"Icase", "Rules", "Expire", "Unit", "Icookie", "Olimit", "IsDiskCache"})
        rule[code] = "1";
    Json::Value document;
    document["entries"].append(rule);
    sim.setState("fcache", document);
    Open(1);
    Select({0});
    Button(CRuleListPage::eModify)->click();
    QPointer<CAddFCacheDlg> form = Page()->Form();
    ASSERT_TRUE(form);
    const QString shown = form->NoteEdit()->toPlainText();
    EXPECT_GE(shown.size(), 600) << "shown whole";

    form->NoteEdit()->moveCursor(QTextCursor::End);
    QTest::keyClicks(form->NoteEdit(), "x");
    EXPECT_EQ(form->NoteEdit()->toPlainText(), shown) << "typing may not lengthen it";
    QTest::keyClick(form->NoteEdit(), Qt::Key_Backspace);
    QTest::keyClicks(form->NoteEdit(), "n");
    EXPECT_EQ(form->NoteEdit()->toPlainText(), shown) << "what was shortened may be typed again";

    form->OkButton()->click();
    // What was sent is the point; whether the server keeps a note this long is its own affair.
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=fcache&cmd=modify") == 1; }));
    const std::vector<std::string> bodies = LoggedBodies(sim, "type=fcache&cmd=modify");
    ASSERT_EQ(bodies.size(), 1u);
    EXPECT_EQ(Field(bodies[0], "Note"), note);
}

TEST_F(FormsKeepWhatTheServerSent, ANoteTypedOnTwoLinesIsExportedAsOneLine)
{
    ScratchDirectory scratch;
    FillRules(0);
    Open(0);
    Button(CRuleListPage::eAdd)->click();
    QPointer<CAddFCacheDlg> form = Page()->Form();
    ASSERT_TRUE(form);
    QTest::keyClicks(form->UrlEdit(), "/two/*");
    QTest::keyClicks(form->NoteEdit(), "line one");
    QTest::keyClick(form->NoteEdit(), Qt::Key_Return);
    QTest::keyClicks(form->NoteEdit(), "[Rewrite]");
    form->OkButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return !form && Rows() == 1 && !Page()->IsBusy(); }));
    EXPECT_EQ(sim.state()["fcache"]["entries"][0]["Note"].asString(), "line one\n[Rewrite]")
        << "the note stays on two lines on the server";

    Page()->RunCommand(CRuleListPage::eExport);
    auto* exporter = Page()->findChild<CExportDlg*>();
    ASSERT_NE(exporter, nullptr);
    exporter->PathEdit()->setText(QString::fromStdString((scratch / "rules.txt").string()));
    exporter->StartButton()->click();
    ASSERT_EQ(exporter->StartButton()->text(), "导出完成");

    const std::string text = ReadBytes(scratch / "rules.txt");
    EXPECT_NE(text.find("\r\nNote_1        =line one [Rewrite]\r\n"), std::string::npos) << text;
    const RuleSet read = ReadRulesFile(*ExchangeFileText::Decode(text), eRulesBlock_All);
    ASSERT_EQ(read.fcache.size(), 1u);
    EXPECT_EQ(read.fcache[0].Note, "line one [Rewrite]");
    EXPECT_TRUE(read.rewrite.empty()) << "the note's second line adds no section";
    // The add's own status text may be said after the export's.
    const std::string exported = "导出规则完成，1 个值中的换行写作了空格。";
    EXPECT_TRUE(ProcessUntil([&] {
        const std::vector<std::string> said = console.Events().StatusTexts();
        return std::find(said.begin(), said.end(), exported) != said.end();
    })) << LastStatusText(console.Events().StatusTexts());
}

TEST_F(FormsKeepWhatTheServerSent, ANewDnsNameThatWouldBreakItsLineIsRefused)
{
    for (const char* name : {"a b.com", "a/b.com", "a#b.com"}) {
        CDnsRedirectEntryDlg editor(nullptr, "10.0.0.1");
        editor.NameField()->setText(QString::fromUtf8(name));
        editor.OkButton()->click();
        EXPECT_EQ(editor.result(), QDialog::Rejected) << name;
        EXPECT_EQ(answers.Prompts().back().text, "域名中不能含有“/”、“#”或空白。");
    }
    CDnsRedirectEntryDlg editor(nullptr, "10.0.0.1");
    editor.NameField()->setText("a.b.com");
    editor.OkButton()->click();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
}
