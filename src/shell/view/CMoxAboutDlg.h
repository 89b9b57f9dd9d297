#pragma once

#include <QDialog>

// The program's name and version, the version of the server it is connected to, and (unless the
// build is relabelled for another vendor) the maker's link and notice.
class CMoxAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr char kConsoleVersion[] = "3.5.0";

    CMoxAboutDlg(const QString& serverVersion, bool oem, QWidget* parent = nullptr);
};
