#pragma once

#include "controls/CBusyState.h"
#include "features/cache/RulesImportQueue.h"

#include <QDialog>

#include <memory>
#include <optional>

class CViewEventRelay;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// Exports the rules the console shows to a rules file, or imports such a file into the server one
// rule at a time.
class CExportDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Export, Import };
    static constexpr int kStepTimeoutMs = 10000;

    CExportDlg(Mode mode, QWidget* parent);
    ~CExportDlg() override;

    // Opens the form over a rule view, for its "导入" (importing) or "导出" command.
    static void OpenOver(QWidget* view, bool importing);

    QCheckBox* BlockBox(RulesFileBlock block) const;
    QLineEdit* PathEdit() const { return path_; }
    QPushButton* ChooseButton() const { return choose_; }
    QPushButton* StartButton() const { return start_; }
    QProgressBar* Progress() const { return progress_; }
    // Tests shorten the ten seconds an import waits for each reply.
    void SetStepTimeout(int milliseconds);

private:
    unsigned ChosenBlocks() const;
    void Choose();
    void Start();
    void Export();
    void Import();
    // Sends the rules read from the file, one at a time.
    void SendFrom(RuleSet rules);
    void SendNext();
    void StepDone();
    void Finish();

    Mode mode_;
    QCheckBox* boxes_[4] = {};
    QLineEdit* path_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* start_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* stepTimer_ = nullptr;
    std::optional<RulesImportQueue> queue_;
    CBusyState awaited_;  // the add under way
    std::unique_ptr<CViewEventRelay> relay_;
};
