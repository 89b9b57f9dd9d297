#pragma once

#include "app/console/CMoxCacheAdminDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/LoggedCall.h"
#include "shell/IniProfile.h"
#include "support/SimProcess.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

class CMoxLoginDlg;

// The console's main window against a morvix-sim of its own, with a scratch options file (the
// built-in defaults unless a test writes keys) and the operator played by CScriptedUserInteraction.
// The operator's data directory is a scratch one for the whole run, emptied before each test.
class ConsoleFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Keys of the scratch options file; call before OpenWindow.
    void WriteOptions(std::string_view section, std::initializer_list<IniProfile::Entry> entries);
    // Makes and shows the main window and waits for the login view it opens.
    CMoxCacheAdminDlg& OpenWindow();
    CMoxLoginDlg& LoginView();
    // Types the password into the open login view and presses its log-in button.
    void PressLogIn(const QString& password, int role = 0);
    // PressLogIn, then waits until the main window shows the server in its title.
    void LogIn(const QString& password = QStringLiteral("admin"), int role = 0);

    // Runs the user-interface thread until the condition holds or the deadline passes.
    static bool ProcessUntil(const std::function<bool()>& condition, int deadlineMs = 10000);
    QString StatusText() const;
    QString ServerTitle() const;

    std::unique_ptr<morvix::test::SimProcess> sim;
    CScriptedUserInteraction user;
    QTemporaryDir scratch;
    std::unique_ptr<CMoxCacheAdminDlg> window;

private:
    std::int64_t liveRecordsAtStart_ = 0;
};
