#include "shell/LoginHistory.h"

#include "shell/AppPaths.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/IniProfile.h"
#include "shell/LeadingDecimal.h"
#include "shell/LegacyLoginHistory.h"
#include "shell/SavedPasswordCipher.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kSection = "LoginHost";
constexpr mode_t kOwnerOnlyFile = 0600;
constexpr mode_t kOwnerOnlyDirectory = 0700;
constexpr std::size_t kPasswordHexBuffer = 512;
constexpr std::size_t kNumberBuffer = 32;

// A label goes on one INI line and is cut to its limit.
std::string StorableName(std::string_view name)
{
    std::string label(Utf8Text::CutToCharacters(name, LoginHistoryRecord::kNameLimit));
    std::replace_if(label.begin(), label.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return label;
}

std::string_view PasswordKey(int role)
{
    return role == eMoxRole_Keeper ? "keeper_passwd" : "admin_passwd";
}

}  // namespace

LoginHistory::LoginHistory() : LoginHistory(AppPaths::UserDataDirectory()) {}

LoginHistory::LoginHistory(std::filesystem::path dataDirectory, ISavedPasswordStore* store)
    : dataDirectory_(std::move(dataDirectory)), directory_(dataDirectory_ / "LoginHistory"), store_(store)
{
}

std::filesystem::path LoginHistory::FileOf(const std::string& host) const
{
    return directory_ / (HostFileStem(host) + ".ini");
}

std::filesystem::path LoginHistory::LegacyFile() const
{
    return dataDirectory_ / "LoginHistroy.xml";
}

std::string LoginHistory::ReadPassword(const IniProfile& ini, const std::string& host, int role, bool saved) const
{
    // A file written without a store, or before there was one, still signs in.
    const std::string hex = ini.ReadString(kSection, PasswordKey(role), "", kPasswordHexBuffer);
    if (!hex.empty())
        return SavedPasswordCipher::Decode(hex);
    if (!saved || store_ == nullptr)
        return {};
    return store_->Read(host, role).value_or(std::string());
}

std::string LoginHistory::FileCopyOfPassword(const std::string& host, int role, bool saved,
                                             const std::string& password) const
{
    if (store_ == nullptr)
        return saved ? SavedPasswordCipher::Encode(password) : std::string();
    if (!saved) {
        store_->Forget(host, role);
        return {};
    }
    // A store that refuses the password leaves it in the file as before, so nothing is lost.
    return store_->Write(host, role, password) ? std::string() : SavedPasswordCipher::Encode(password);
}

std::optional<LoginHistory::FileRecord> LoginHistory::ReadFile(const std::filesystem::path& file) const
{
    const IniProfile ini(file);
    FileRecord read;
    LoginHistoryRecord& record = read.record;
    record.host = ini.ReadString(kSection, "host", "", LoginHistoryRecord::kHostLimit + 1);
    if (record.host.empty())
        return std::nullopt;
    record.saveAdmin = LeadingDecimal(ini.ReadString(kSection, "is_save_admin", "0", kNumberBuffer)) != 0;
    record.saveKeeper = LeadingDecimal(ini.ReadString(kSection, "is_save_keeper", "0", kNumberBuffer)) != 0;
    record.name = ini.ReadString(kSection, "name", "", LoginHistoryRecord::kNameLimit + 1);
    read.deleted = LeadingDecimal(ini.ReadString(kSection, "is_del", "0", kNumberBuffer)) != 0;
    record.lastTime = LeadingDecimal(ini.ReadString(kSection, "last_time", "0", kNumberBuffer));
    // A deleted record is never shown: its passwords are not worth a question to the keyring.
    if (!read.deleted) {
        record.adminPassword = ReadPassword(ini, record.host, eMoxRole_Admin, record.saveAdmin);
        record.keeperPassword = ReadPassword(ini, record.host, eMoxRole_Keeper, record.saveKeeper);
    }
    return read;
}

std::vector<LoginHistoryRecord> LoginHistory::Load() const
{
    std::vector<LoginHistoryRecord> records;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory_, error)) {
        // Only finished files: a write in progress goes to a temporary name first.
        if (!entry.is_regular_file(error) || entry.path().extension() != ".ini")
            continue;
        std::optional<FileRecord> read = ReadFile(entry.path());
        if (read && !read->deleted)
            records.push_back(std::move(read->record));
    }
    std::stable_sort(records.begin(), records.end(), [](const LoginHistoryRecord& a, const LoginHistoryRecord& b) {
        return a.lastTime != b.lastTime ? a.lastTime > b.lastTime : a.host < b.host;
    });
    // A copied file can repeat a host; its latest login stands for it.
    std::set<std::string> seen;
    std::erase_if(records, [&](const LoginHistoryRecord& record) { return !seen.insert(record.host).second; });
    ImportLegacy(records);
    return records;
}

void LoginHistory::ImportLegacy(std::vector<LoginHistoryRecord>& records) const
{
    std::error_code error;
    if (!std::filesystem::exists(LegacyFile(), error))
        return;
    for (LoginHistoryRecord& legacy : ReadLegacyLoginHistory(LegacyFile())) {
        if (!IsPlainHost(legacy.host) || std::filesystem::exists(FileOf(legacy.host), error))
            continue;
        if (Save(legacy))
            records.push_back(std::move(legacy));
    }
}

std::optional<LoginHistoryRecord> LoginHistory::Find(const std::string& host) const
{
    if (!IsPlainHost(host))
        return std::nullopt;
    std::optional<FileRecord> read = ReadFile(FileOf(host));
    if (!read || read->deleted)
        return std::nullopt;
    return std::move(read->record);
}

bool LoginHistory::PrepareOwnerOnlyFile(const std::filesystem::path& file) const
{
    if (::mkdir(directory_.c_str(), kOwnerOnlyDirectory) != 0 && errno != EEXIST)
        return false;
    // The atomic writer keeps the mode of the file it replaces, so the file is made (or narrowed)
    // owner-only before the first byte of a password is written.
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kOwnerOnlyFile);
    if (fd < 0)
        return false;
    const bool narrowed = ::fchmod(fd, kOwnerOnlyFile) == 0;
    ::close(fd);
    return narrowed;
}

bool LoginHistory::Save(const LoginHistoryRecord& record) const
{
    if (!IsPlainHost(record.host) || record.host.size() > LoginHistoryRecord::kHostLimit)
        return false;
    const std::filesystem::path file = FileOf(record.host);
    if (!PrepareOwnerOnlyFile(file))
        return false;
    const std::string name = StorableName(record.name);
    const std::string adminHex =
        FileCopyOfPassword(record.host, eMoxRole_Admin, record.saveAdmin, record.adminPassword);
    const std::string keeperHex =
        FileCopyOfPassword(record.host, eMoxRole_Keeper, record.saveKeeper, record.keeperPassword);
    const std::string lastTime = std::to_string(record.lastTime);
    return IniProfile(file).WriteStrings(kSection, {{"host", record.host},
                                                    {"is_save_admin", record.saveAdmin ? "1" : "0"},
                                                    {"is_save_keeper", record.saveKeeper ? "1" : "0"},
                                                    {"name", name},
                                                    {"is_del", "0"},
                                                    {"admin_passwd", adminHex},
                                                    {"keeper_passwd", keeperHex},
                                                    {"last_time", lastTime}});
}

bool LoginHistory::Delete(const std::string& host) const
{
    if (!IsPlainHost(host))
        return false;
    const std::filesystem::path file = FileOf(host);
    if (!PrepareOwnerOnlyFile(file) || !IniProfile(file).WriteString(kSection, "is_del", "1"))
        return false;
    // A record the operator deleted keeps no password anywhere.
    if (store_ != nullptr) {
        store_->Forget(host, eMoxRole_Admin);
        store_->Forget(host, eMoxRole_Keeper);
    }
    return true;
}

bool LoginHistory::SaveLogin(const HostText& target, int role, const std::string& password, bool rememberPassword,
                             std::int64_t now) const
{
    LoginHistoryRecord record = Find(target.host).value_or(LoginHistoryRecord{});
    record.host = target.host;
    if (!target.name.empty())
        record.name = target.name;
    record.lastTime = now;
    const std::string kept = rememberPassword ? password : std::string();
    if (role == eMoxRole_Keeper) {
        record.saveKeeper = rememberPassword;
        record.keeperPassword = kept;
    } else {
        record.saveAdmin = rememberPassword;
        record.adminPassword = kept;
    }
    return Save(record);
}
