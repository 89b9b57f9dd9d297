#pragma once

#include "shell/HostText.h"
#include "shell/ISavedPasswordStore.h"
#include "shell/LoginHistoryRecord.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class IniProfile;

// The servers the console has logged in to: one owner-only INI file per server in the data
// directory's LoginHistory folder, named after the host with "&" for ":", section "LoginHost".
// Records are never removed, only marked deleted. A saved password goes to the password store when
// one is given, and the file keeps only its save flag; without a store, or when the store refuses
// it, the file keeps it enciphered. An enciphered password in a file is always read, and moves to
// the store the next time its record is saved.
class LoginHistory {
public:
    // The operator's data directory (AppPaths::UserDataDirectory) and the installed store.
    LoginHistory();
    explicit LoginHistory(std::filesystem::path dataDirectory,
                          ISavedPasswordStore* store = ISavedPasswordStore::Installed());

    bool KeepsPasswordsInStore() const { return store_ != nullptr; }
    const std::filesystem::path& Directory() const { return directory_; }

    // Every record not marked deleted, latest login first. Then the legacy file's servers that have
    // no history file yet (deleted ones included), each written as one, so a record deleted or
    // changed here is never brought back by the old file.
    std::vector<LoginHistoryRecord> Load() const;
    // The host's record; none when it has no file or is marked deleted.
    std::optional<LoginHistoryRecord> Find(const std::string& host) const;

    // Writes every key with is_del "0"; a password whose save flag is off is written empty.
    // False for a host that could not name a file safely, or when the file cannot be written.
    bool Save(const LoginHistoryRecord& record) const;
    bool Delete(const std::string& host) const;

    // After a successful login: this role's password, kept only when the operator wants it, the
    // other role's saved password taken over from the existing record, the label (the old one when
    // none was typed) and lastTime.
    bool SaveLogin(const HostText& target, int role, const std::string& password, bool rememberPassword,
                   std::int64_t now) const;

    std::filesystem::path FileOf(const std::string& host) const;
    std::filesystem::path LegacyFile() const;

private:
    struct FileRecord {
        LoginHistoryRecord record;
        bool deleted = false;
    };
    std::optional<FileRecord> ReadFile(const std::filesystem::path& file) const;
    std::string ReadPassword(const IniProfile& ini, const std::string& host, int role, bool saved) const;
    // What the file keeps of the role's password: nothing once the store holds it.
    std::string FileCopyOfPassword(const std::string& host, int role, bool saved, const std::string& password) const;
    bool PrepareOwnerOnlyFile(const std::filesystem::path& file) const;
    void ImportLegacy(std::vector<LoginHistoryRecord>& records) const;

    std::filesystem::path dataDirectory_;
    std::filesystem::path directory_;
    ISavedPasswordStore* store_;
};
