#pragma once

#include "controls/CBusyState.h"

#include <QWidget>

#include <memory>

class CViewEventRelay;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// One form of the tools window: a question, the command that sends it, and the answer of its own
// request below. The three tools share it and differ only by their mode.
class CToolsTestCacheDlg : public QWidget {
    Q_OBJECT
public:
    enum class Mode { TestCache, TestRegex, IpLookup };
    static constexpr int kInputCharacters = 1024;

    CToolsTestCacheDlg(Mode mode, QWidget* parent = nullptr);
    ~CToolsTestCacheDlg() override;

    QLineEdit* InputField() const { return input_; }
    QPushButton* CommandButton() const { return command_; }
    QPlainTextEdit* ResultBox() const { return result_; }

    void Send();
    // True from a question sent until its answer, whatever the answer.
    bool IsBusy() const { return busy_.IsBusy(); }

private:
    void UpdateCommand();
    void ResultShown(int status, std::uintptr_t record);

    Mode mode_;
    QLineEdit* input_ = nullptr;
    QPushButton* command_ = nullptr;
    QPlainTextEdit* result_ = nullptr;
    CBusyState busy_;
    std::unique_ptr<CViewEventRelay> relay_;
};
