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

std::string EncodedIfSaved(bool saved, const std::string& password)
{
    return saved ? SavedPasswordCipher::Encode(password) : std::string();
}

std::string DecodedIfAny(const std::string& hex)
{
    return hex.empty() ? std::string() : SavedPasswordCipher::Decode(hex);
}

}  // namespace

LoginHistory::LoginHistory() : LoginHistory(AppPaths::UserDataDirectory()) {}

LoginHistory::LoginHistory(std::filesystem::path dataDirectory)
    : dataDirectory_(std::move(dataDirectory)), directory_(dataDirectory_ / "LoginHistory")
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

std::optional<LoginHistory::FileRecord> LoginHistory::ReadFile(const std::filesystem::path& file)
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
    record.adminPassword = DecodedIfAny(ini.ReadString(kSection, "admin_passwd", "", kPasswordHexBuffer));
    record.keeperPassword = DecodedIfAny(ini.ReadString(kSection, "keeper_passwd", "", kPasswordHexBuffer));
    read.deleted = LeadingDecimal(ini.ReadString(kSection, "is_del", "0", kNumberBuffer)) != 0;
    record.lastTime = LeadingDecimal(ini.ReadString(kSection, "last_time", "0", kNumberBuffer));
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
    const std::string adminHex = EncodedIfSaved(record.saveAdmin, record.adminPassword);
    const std::string keeperHex = EncodedIfSaved(record.saveKeeper, record.keeperPassword);
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
    return PrepareOwnerOnlyFile(file) && IniProfile(file).WriteString(kSection, "is_del", "1");
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
