#pragma once

#include <QWidget>

class CSystemOptionsEditor;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The disk-cache tuning values of the system options, on the disk-cache page: memory with a
// recommendation from the server's physical memory, connections, the smallest cached file and
// the index share. One field may set two options. Depth, de-duplication size and open files are
// kept but not shown.
class CDiskSystemSetWnd : public QWidget {
    Q_OBJECT
public:
    explicit CDiskSystemSetWnd(QWidget* parent = nullptr);

    CSystemOptionsEditor* Editor() const { return editor_; }
    QLineEdit* MemoryField() const { return memory_; }
    QLineEdit* ConnectionsField() const { return connections_; }
    QLineEdit* MinFileSizeField() const { return minFileSize_; }
    QLineEdit* DirectoryDepthField() const { return directoryDepth_; }
    QLineEdit* DeduplicationSizeField() const { return deduplicationSize_; }
    QLineEdit* OpenFilesField() const { return openFiles_; }
    QLineEdit* IndexShareField() const { return indexShare_; }
    QLabel* MemoryUnit() const { return memoryUnit_; }
    QLabel* MemoryHint() const { return memoryHint_; }
    QPushButton* SaveButton() const { return save_; }

private:
    void ShowRecommendation();
    QLabel* HelpLink();

    CSystemOptionsEditor* editor_ = nullptr;
    QLineEdit* memory_ = nullptr;
    QLineEdit* connections_ = nullptr;
    QLineEdit* minFileSize_ = nullptr;
    QLineEdit* directoryDepth_ = nullptr;
    QLineEdit* deduplicationSize_ = nullptr;
    QLineEdit* openFiles_ = nullptr;
    QLineEdit* indexShare_ = nullptr;
    QLabel* memoryUnit_ = nullptr;
    QLabel* memoryHint_ = nullptr;
    QLabel* memoryHelp_ = nullptr;
    QPushButton* save_ = nullptr;
};
