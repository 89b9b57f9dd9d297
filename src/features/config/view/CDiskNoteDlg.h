#pragma once

#include <QDialog>

class QPlainTextEdit;

// The note of a disk-cache area ("备注"): one multi-line field of at most 511 characters.
class CDiskNoteDlg : public QDialog {
    Q_OBJECT
public:
    CDiskNoteDlg(const QString& note, QWidget* parent = nullptr);

    QPlainTextEdit* NoteField() const { return field_; }
    QString Note() const;

private:
    QPlainTextEdit* field_ = nullptr;
};
