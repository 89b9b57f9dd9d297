#pragma once

#include "features/config/DiskCacheEntry.h"
#include "features/config/view/CDiskNoteDlg.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QMovie;
class QPushButton;

// One disk-cache area on the disk-cache page: its number, the directory, the state the server
// reports, the note and the command that enables, pauses or releases the area. The row keeps the
// last entry the server confirmed apart from the path being typed.
class CDiskDirUnitWnd : public QWidget {
    Q_OBJECT
public:
    CDiskDirUnitWnd(int diskNo, QWidget* parent = nullptr);

    // The hint an empty path field shows, by the server's platform.
    void SetPlaceholder(const QString& placeholder);
    // Forgets the previous server's area: empty, editable, command disabled.
    void Reset();
    void ApplyEntry(const DiskCacheEntry& entry);

    const DiskCacheEntry& Entry() const { return entry_; }
    QLineEdit* PathField() const { return path_; }
    QLabel* StatusText() const { return statusText_; }
    QLabel* StatusIcon() const { return statusIcon_; }
    QLabel* NoteLabel() const { return note_; }
    QPushButton* CommandButton() const { return command_; }
    CDiskNoteDlg* NoteEditor() const { return noteEditor_; }
    // The path as a set sends it: the placeholder counts as empty.
    std::string TypedPath() const;

    void RunCommand();
    void EditNote();

signals:
    // A change of the area went out under this request number.
    void SetSent(unsigned long requestNumber);

private:
    void ShowStatus(int status);
    void PathEdited();
    void SendSet(std::int32_t enable, const std::string& path);
    void Send(const DiskCacheEntry& sent);

    DiskCacheEntry entry_;
    QLabel* label_ = nullptr;
    QLineEdit* path_ = nullptr;
    QLabel* statusIcon_ = nullptr;
    QLabel* statusText_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* command_ = nullptr;
    QMovie* reading_ = nullptr;
    QPointer<CDiskNoteDlg> noteEditor_;
};
