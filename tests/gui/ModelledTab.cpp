#include "gui/CScriptedUserInteraction.h"
#include "gui/ModelledWindowViews.h"
#include "support/SimClient.h"

#include <QCheckBox>
#include <QTabBar>

namespace morvix::test {

namespace {

class ModelledTab : public ModelledView {
public:
    ModelledTab(std::unique_ptr<ModelledView> inner, QTabBar& tabs, int tab, CScriptedUserInteraction& user,
                std::optional<ServerSwitch> serverSwitch)
        : inner_(std::move(inner)), tabs_(tabs), tab_(tab), user_(user), switch_(std::move(serverSwitch))
    {
    }

    std::string Name() const override { return inner_->Name(); }
    // The first server has the switch off, the second on.
    void Prepare(SimClient& server, int serverIndex) override
    {
        inner_->Prepare(server, serverIndex);
        if (!switch_)
            return;
        Json::Value family = server.state()[switch_->family];
        family[switch_->key] = serverIndex;
        server.setState(switch_->family, family);
    }
    void Bring() override
    {
        tabs_.setCurrentIndex(tab_);
        inner_->Bring();
    }
    Request ChangeRequest(int serial) const override
    {
        return Flips(serial) ? switch_->request : inner_->ChangeRequest(serial);
    }
    void Change(int serial) override
    {
        if (!Flips(serial))
            return inner_->Change(serial);
        user_.QueueDecision(true);
        switch_->box->click();
    }
    bool Idle() const override { return inner_->Idle(); }
    void CloseForm(bool onlyAnswered) override { inner_->CloseForm(onlyAnswered); }

    std::vector<std::string> Shown() const override
    {
        std::vector<std::string> lines = inner_->Shown();
        if (switch_)
            AddSwitch(lines, switch_->box->isChecked(), switch_->kept ? switch_->kept() : std::optional<bool>());
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        std::vector<std::string> lines = inner_->Held(state);
        if (switch_) {
            const bool on = state[switch_->family][switch_->key].asInt() != 0;
            AddSwitch(lines, on, switch_->kept ? on : std::optional<bool>());
        }
        return lines;
    }

private:
    bool Flips(int serial) const { return switch_ && serial % 3 == 0; }
    void AddSwitch(std::vector<std::string>& lines, bool shown, std::optional<bool> kept) const
    {
        lines.push_back(switch_->key + (shown ? " on" : " off"));
        if (kept)
            lines.push_back(switch_->key + (*kept ? " kept on" : " kept off"));
    }

    std::unique_ptr<ModelledView> inner_;
    QTabBar& tabs_;
    int tab_;
    CScriptedUserInteraction& user_;
    std::optional<ServerSwitch> switch_;
};

}  // namespace

std::unique_ptr<ModelledView> OnTab(std::unique_ptr<ModelledView> view, QTabBar& tabs, int tab,
                                    CScriptedUserInteraction& user, std::optional<ServerSwitch> serverSwitch)
{
    return std::make_unique<ModelledTab>(std::move(view), tabs, tab, user, std::move(serverSwitch));
}

}  // namespace morvix::test
