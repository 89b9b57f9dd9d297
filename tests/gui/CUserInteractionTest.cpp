#include "controls/CUserInteraction.h"
#include "gui/CScriptedUserInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Waits, without blocking the modal loop, for the next message box and lets `act` inspect and
// close it.
void OnNextMessageBox(std::function<void(QMessageBox&)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*box);
        }
    });
    poll->start();
}

}  // namespace

TEST(CUserInteraction, ConfirmationAsksWithQuestionIconAndCancelPreselected)
{
    CUserInteraction desktop;
    for (const bool pressOk : {true, false}) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString defaultText;
        QStringList buttons;
        OnNextMessageBox([&](QMessageBox& box) {
            icon = box.icon();
            defaultText = box.defaultButton() ? box.defaultButton()->text() : QString();
            for (QAbstractButton* button : box.buttons())
                buttons << button->text();
            box.button(pressOk ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        EXPECT_EQ(desktop.Confirm(nullptr, QStringLiteral("退出"), QStringLiteral("您确定要退出吗？")), pressOk);
        EXPECT_EQ(icon, QMessageBox::Question);
        EXPECT_EQ(defaultText, QStringLiteral("取消"));
        buttons.sort();
        EXPECT_EQ(buttons, QStringList({QStringLiteral("取消"), QStringLiteral("确定")}));
    }
}

TEST(CUserInteraction, YesNoPreselectsNoAndInformationOffersOnlyOk)
{
    CUserInteraction desktop;
    OnNextMessageBox([](QMessageBox& box) {
        EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::No));
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(desktop.AskYesNo(nullptr, QStringLiteral("导入"), QStringLiteral("是否覆盖？")));

    bool seen = false;
    OnNextMessageBox([&](QMessageBox& box) {
        seen = true;
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.text(), QStringLiteral("请输入服务器地址"));
        box.buttons().front()->click();
    });
    desktop.Inform(nullptr, QStringLiteral("连接"), QStringLiteral("请输入服务器地址"));
    EXPECT_TRUE(seen);
}

TEST(CScriptedUserInteraction, AnswersFromItsQueuesRecordsEverythingAndStepsAsideAfterwards)
{
    IUserInteraction& desktop = IUserInteraction::Current();
    {
        CScriptedUserInteraction script;
        EXPECT_EQ(&IUserInteraction::Current(), &script);
        script.QueueDecision(true);
        script.QueueDecision(false);
        script.QueuePath(QStringLiteral("/tmp/rules.txt"));

        IUserInteraction& ui = IUserInteraction::Current();
        EXPECT_TRUE(ui.Confirm(nullptr, QStringLiteral("删除"), QStringLiteral("您确定要删除此白名单吗？")));
        EXPECT_FALSE(ui.AskYesNo(nullptr, QStringLiteral("导入"), QStringLiteral("是否覆盖？")));
        ui.Inform(nullptr, QStringLiteral("提示"), QStringLiteral("会话已超时，请重新登录服务器。"));
        EXPECT_EQ(ui.ChooseSaveFile(nullptr, QStringLiteral("导出"), QStringLiteral("/tmp"), QString()),
                  QStringLiteral("/tmp/rules.txt"));
        EXPECT_TRUE(ui.OpenUrl(QUrl(QStringLiteral("http://127.0.0.1:6780/morvix/login-api.htm"))));

        ASSERT_EQ(script.Prompts().size(), 4);
        EXPECT_EQ(script.Prompts()[0].kind, CScriptedUserInteraction::PromptKind::Confirm);
        EXPECT_EQ(script.Prompts()[0].title, QStringLiteral("删除"));
        EXPECT_EQ(script.Prompts()[2].kind, CScriptedUserInteraction::PromptKind::Inform);
        EXPECT_EQ(script.Prompts()[2].text, QStringLiteral("会话已超时，请重新登录服务器。"));
        EXPECT_EQ(script.Prompts()[3].kind, CScriptedUserInteraction::PromptKind::SaveFile);
        ASSERT_EQ(script.OpenedUrls().size(), 1);
        EXPECT_EQ(script.OpenedUrls()[0].port(), 6780);
    }
    EXPECT_EQ(&IUserInteraction::Current(), &desktop);
}
