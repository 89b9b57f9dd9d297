#include "gui/ModelledRulePages.h"

#include "controls/CRuleListView.h"
#include "features/access/view/CRewriteManagerDlg.h"
#include "features/cache/RulesFile.h"
#include "features/cache/view/AddSCacheDlg.h"
#include "features/cache/view/CAddFCacheDlg.h"
#include "features/cache/view/CAddRCacheDlg.h"
#include "features/cache/view/CExportDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/cache/view/CFCachePage.h"
#include "features/cache/view/CMoxSCacheDlg.h"
#include "features/cache/view/CRCacheManagerDlg.h"
#include "gui/ViewTestSupport.h"
#include "shell/ExchangeFileText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <optional>

namespace morvix::test {

std::vector<std::string> HeldRuleLines(const Json::Value& state, const std::string& family, const std::string& idKey,
                                       const std::string& patternKey)
{
    std::vector<std::string> lines;
    for (const Json::Value& entry : state[family]["entries"]) {
        const std::string line = entry[patternKey].asString() + "|" + entry["Note"].asString();
        lines.push_back(idKey.empty() ? line : entry[idKey].asString() + "|" + line);
    }
    return lines;
}

namespace {

// A rule page built on CRulePageT: its form is FormDlg, its rules are Record, and its block of the
// rules file holds them.
template <class Page, class Record, class FormDlg>
class ModelledRulePage : public ModelledList {
public:
    struct Shape {
        std::string type;
        std::string idKey;       // in the server's state and in the record
        std::string patternKey;  // likewise
        std::string Record::*id;
        std::string Record::*pattern;
        std::vector<Record> RuleSet::*block;
        // Types the pattern and the note into the form.
        std::function<void(FormDlg&, const QString& pattern, const QString& note)> fill;
        // A pattern of this family no other rule has.
        std::function<std::string(int serial)> patternOf;
        bool clearsOnFailedList;
    };

    ModelledRulePage(Page& page, Shape shape, std::function<void()> bring)
        : page_(page), shape_(std::move(shape)), bring_(std::move(bring))
    {
    }

    std::string Name() const override { return shape_.type; }
    std::string Type() const override { return shape_.type; }
    std::string Cmd(Command command) const override
    {
        static const char* const kCmds[] = {"add", "modify", "del", "list", "up", "down"};
        return kCmds[command];
    }
    std::string Family() const override { return shape_.type; }
    std::string FileKind() const override { return "rules"; }

    void Bring() override
    {
        if (bring_)
            bring_();
    }
    CRuleListView* List() const override { return page_.List(); }
    QPushButton* Button(Command command) const override
    {
        static const CRuleListPage::Command kButtons[] = {CRuleListPage::eAdd,     CRuleListPage::eModify,
                                                          CRuleListPage::eDelete,  CRuleListPage::eRefresh,
                                                          CRuleListPage::eUp,      CRuleListPage::eDown};
        return page_.CommandButton(kButtons[command]);
    }
    int MostDeletedAtOnce() const override { return CRuleDeletion::kMostAtOnce; }
    void SetStepTimeout(int milliseconds) override { page_.SetBatchStepTimeout(milliseconds); }
    bool Idle() const override
    {
        return !page_.IsBusy() && !page_.Deletion()->IsBatchActive() && !page_.Form() &&
               !page_.template findChild<CExportDlg*>();
    }
    bool ClearsOnFailedList() const override { return shape_.clearsOnFailedList; }

    QDialog* Form() const override { return page_.Form(); }
    QPushButton* FillForm(int serial, bool) override
    {
        FormDlg* form = page_.Form();
        if (!form)
            return nullptr;
        shape_.fill(*form, QString::fromStdString(shape_.patternOf(serial)), QStringLiteral("note %1").arg(serial));
        return form->OkButton();
    }

    std::vector<std::string> Shown() const override
    {
        std::vector<std::string> lines;
        for (const Record& rule : page_.Rules())
            lines.push_back(rule.*shape_.id + "|" + rule.*shape_.pattern + "|" + rule.Note);
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        return HeldRuleLines(state, shape_.type, shape_.idKey, shape_.patternKey);
    }
    std::vector<std::string> HeldAsFiled(const Json::Value& state) const override
    {
        return HeldRuleLines(state, shape_.type, "", shape_.patternKey);
    }

    bool Export(const std::filesystem::path& file) override
    {
        CExportDlg* form = OpenTransfer(false);
        if (!form)
            return false;
        form->PathEdit()->setText(QString::fromStdString(file.string()));
        form->StartButton()->click();
        const bool written = form->StartButton()->text() == QStringLiteral("导出完成");
        delete form;
        return written;
    }
    std::vector<std::string> FileLines(const std::filesystem::path& file) const override
    {
        std::string error;
        const std::optional<std::string> text = ExchangeFileText::Read(file, &error);
        std::vector<std::string> lines;
        if (!text)
            return {"unreadable: " + error};
        const RuleSet rules = ReadRulesFile(*text, eRulesBlock_All);
        for (const Record& rule : rules.*shape_.block)
            lines.push_back(rule.*shape_.pattern + "|" + rule.Note);
        return lines;
    }
    bool Import(const std::filesystem::path& file, int stepTimeoutMs) override
    {
        CExportDlg* form = OpenTransfer(true);
        if (!form)
            return false;
        form->SetStepTimeout(stepTimeoutMs);
        form->PathEdit()->setText(QString::fromStdString(file.string()));
        form->StartButton()->click();
        const bool done = ProcessUntil([&] { return form->StartButton()->text() == QStringLiteral("导入完成"); },
                                       std::chrono::seconds(60));
        delete form;
        return done;
    }

private:
    CExportDlg* OpenTransfer(bool importing)
    {
        page_.RunCommand(importing ? CRuleListPage::eImport : CRuleListPage::eExport);
        return page_.template findChild<CExportDlg*>();
    }

    Page& page_;
    Shape shape_;
    std::function<void()> bring_;
};

std::string PagePattern(int serial)
{
    return "http://m" + std::to_string(serial) + ".test/*";
}

template <class Form>
void FillUrlAndNote(Form& form, const QString& pattern, const QString& note)
{
    form.UrlEdit()->setText(pattern);
    form.NoteEdit()->setPlainText(note);
}

}  // namespace

std::vector<std::unique_ptr<ModelledList>> ModelCacheRulePages(CFCacheManagerDlg& manager)
{
    const auto bring = [&manager](CFCacheManagerDlg::Page page) {
        return [&manager, page] {
            if (manager.CurrentPage() != page)
                manager.ShowPage(page);
        };
    };
    std::vector<std::unique_ptr<ModelledList>> pages;
    pages.push_back(std::make_unique<ModelledRulePage<CFCachePage, FCacheRule, CAddFCacheDlg>>(
        *manager.PageCache(),
        ModelledRulePage<CFCachePage, FCacheRule, CAddFCacheDlg>::Shape{
            "fcache", "Wid", "Url", &FCacheRule::Wid, &FCacheRule::Url, &RuleSet::fcache,
            FillUrlAndNote<CAddFCacheDlg>, PagePattern, true},
        bring(CFCacheManagerDlg::ePageCache)));
    pages.push_back(std::make_unique<ModelledRulePage<CRCacheManagerDlg, RCacheRule, CAddRCacheDlg>>(
        *manager.RefuseCache(),
        ModelledRulePage<CRCacheManagerDlg, RCacheRule, CAddRCacheDlg>::Shape{
            "rcache", "Wid", "Url", &RCacheRule::Wid, &RCacheRule::Url, &RuleSet::rcache,
            FillUrlAndNote<CAddRCacheDlg>, PagePattern, true},
        bring(CFCacheManagerDlg::eRefuseCache)));
    pages.push_back(std::make_unique<ModelledRulePage<CMoxSCacheDlg, SCacheRule, AddSCacheDlg>>(
        *manager.SessionCache(),
        ModelledRulePage<CMoxSCacheDlg, SCacheRule, AddSCacheDlg>::Shape{
            "scache", "Wid", "ActionUrl", &SCacheRule::Wid, &SCacheRule::ActionUrl, &RuleSet::scache,
            [](AddSCacheDlg& form, const QString& pattern, const QString& note) {
                form.ActionUrlEdit()->setText(pattern);
                form.CookieNameEdit()->setText(QStringLiteral("sid"));
                form.NoteEdit()->setPlainText(note);
            },
            [](int serial) { return "http://m" + std::to_string(serial) + ".test/login"; }, true},
        bring(CFCacheManagerDlg::eSessionCache)));
    return pages;
}

std::unique_ptr<ModelledList> ModelRewritePage(CRewritePage& page)
{
    using Modelled = ModelledRulePage<CRewritePage, RewriteRule, CRewriteUrlAddDlg>;
    return std::make_unique<Modelled>(
        page,
        Modelled::Shape{"rewrite", "RewriteID", "SourceUrl", &RewriteRule::RewriteID, &RewriteRule::SourceUrl,
                        &RuleSet::rewrite,
                        [](CRewriteUrlAddDlg& form, const QString& pattern, const QString& note) {
                            form.SourceUrlEdit()->setText(pattern);
                            form.DestinationUrlEdit()->setText(QStringLiteral("http://elsewhere.test/"));
                            form.NoteEdit()->setPlainText(note);
                        },
                        [](int serial) { return "^/m" + std::to_string(serial) + "/(.*)$"; }, false},
        nullptr);
}

}  // namespace morvix::test
