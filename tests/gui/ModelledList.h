#pragma once

#include <json/value.h>

#include <filesystem>
#include <string>
#include <vector>

class CRuleListView;
class QDialog;
class QPushButton;

namespace morvix::test {

// One rule list of the console as the model test drives it: the operator's commands on its view,
// and what the view shows, what the server holds and what an exported file lists, each as one
// comparable line per entry, in order.
class ModelledList {
public:
    enum Command { eAdd, eModify, eDelete, eRefresh, eUp, eDown };

    virtual ~ModelledList() = default;

    virtual std::string Name() const = 0;
    // The request type of the list and the cmd a command sends; "" when the list has no such command.
    virtual std::string Type() const = 0;
    virtual std::string Cmd(Command command) const = 0;
    // The server state family that holds the entries.
    virtual std::string Family() const = 0;
    // Lists of one kind of file are exported and imported together.
    virtual std::string FileKind() const = 0;

    // Puts the list in front, as the operator choosing it does; it may ask for its rows.
    virtual void Bring() {}
    virtual CRuleListView* List() const = 0;
    virtual QPushButton* Button(Command command) const = 0;
    virtual bool Deletable(int row) const { return row >= 0; }
    // The most selected rows whose deletions go out at once; more go through the batch window.
    virtual int MostDeletedAtOnce() const = 0;
    virtual void SetStepTimeout(int milliseconds) = 0;
    // No reply awaited, no form and no batch window open.
    virtual bool Idle() const = 0;
    // A list reply that failed removes the rows (true) or leaves them.
    virtual bool ClearsOnFailedList() const = 0;

    // The add or modify form, once open.
    virtual QDialog* Form() const = 0;
    // Fills the open form with texts no other entry has; returns its OK button.
    virtual QPushButton* FillForm(int serial, bool modify) = 0;

    virtual std::vector<std::string> Shown() const = 0;
    virtual std::vector<std::string> Held(const Json::Value& state) const = 0;
    // What an export of the server's list writes: the entries without their identifiers.
    virtual std::vector<std::string> HeldAsFiled(const Json::Value& state) const = 0;

    // Exports through the view's own command; false when no file was written.
    virtual bool Export(const std::filesystem::path& file) = 0;
    virtual std::vector<std::string> FileLines(const std::filesystem::path& file) const = 0;
    // Imports through the view's own command and returns once the import has ended.
    virtual bool Import(const std::filesystem::path& file, int stepTimeoutMs) = 0;
};

}  // namespace morvix::test
