#include "core/temporary_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMarker = ".trailcam-";
constexpr std::string_view kEnding = ".tmp";
constexpr std::size_t kDigits = 6;
constexpr unsigned kNumbers = 1u << (4 * kDigits);

// Another writer may have taken a number at the same moment; a few fresh ones will do.
constexpr int kCreateAttempts = 16;

constexpr unsigned kNewFileMode = 0666;
// The bits a file is created with; the others (set-user-ID and the like) are set after.
constexpr unsigned kAccessBits = 0777;

bool IsLowerHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// The name of temporary file number `number` of the settings file `fileName`.
std::string TemporaryNameOf(const std::string& fileName, unsigned number) {
    char digits[kDigits + 1];
    std::snprintf(digits, sizeof digits, "%06x", number % kNumbers);
    return fileName + std::string(kMarker) + digits + std::string(kEnding);
}

// Whether `name` is one of the temporary files that writing `fileName` creates.
bool IsTemporaryNameOf(const std::string& fileName, const std::string& name) {
    const std::string_view rest =
        std::string_view(name).substr(std::min(name.size(), fileName.size()));
    return name.size() == fileName.size() + kMarker.size() + kDigits + kEnding.size() &&
           name.starts_with(fileName) && rest.starts_with(kMarker) && rest.ends_with(kEnding) &&
           std::all_of(rest.begin() + kMarker.size(), rest.end() - kEnding.size(), IsLowerHexDigit);
}

}  // namespace

TemporaryFile::~TemporaryFile() {
    m_file.Close();
    if (!m_path.empty()) {
        std::error_code ignored;
        fs::remove(m_path, ignored);
    }
}

std::error_code TemporaryFile::Create(const fs::path& target, std::optional<unsigned> olderMode,
                                      std::optional<FolderDevice> card) {
    m_target = target;
    // Seeded once for each thread: setting up the system's source of randomness costs more than
    // the rest of a write on some machines, and a taken number only means another try.
    thread_local std::minstd_rand random(std::random_device{}());
    std::error_code error = std::make_error_code(std::errc::file_exists);
    unsigned mode = 0;
    for (int attempt = 0; attempt < kCreateAttempts && error == std::errc::file_exists; ++attempt) {
        m_path =
            target.parent_path() / TemporaryNameOf(target.filename().string(), random() % kNumbers);
        // Made with no more access than the older file gives, and usually with just that.
        error = m_file.CreateNew(m_path, olderMode ? *olderMode & kAccessBits : kNewFileMode);
        if (error) {
            continue;
        }
        // A file system without locks cannot tell leftovers either, and so removes none.
        m_file.Lock();
        // Another write may have taken the file for a leftover before the lock was held; then
        // the name is gone or someone else's, and a fresh one will do.
        m_identity = m_file.Identity(&mode);
        if (!m_identity || m_identity != IdentityOfName(m_path)) {
            m_file.Close();
            error = std::make_error_code(std::errc::file_exists);
        }
    }
    if (error) {
        m_file.Close();
        m_path.clear();
        return error;
    }
    // The card may have been pulled after its folder was looked at: the name then leads to the
    // disk below, and the file must not take its final name there.
    if (card && (!m_identity || m_identity->device != *card)) {
        return FileProblem::NotOnTheCard;
    }
    if (olderMode && mode != *olderMode) {
        // The process's mask took bits away. A medium without permission bits refuses the
        // change, and rightly so: the new file then has the bits the medium gives every file,
        // as the older one had.
        m_file.SetMode(*olderMode);
    }
    return {};
}

std::error_code TemporaryFile::WriteAndSync(std::string_view bytes) {
    if (const std::error_code error = m_file.WriteAll(bytes)) {
        return error;
    }
    return m_file.Sync();
}

std::error_code TemporaryFile::TakeFinalName() {
#if defined(_WIN32)
    // An open file cannot be renamed there; nothing removes a file in use there either.
    if (const std::error_code error = m_file.Close()) {
        return error;
    }
#endif
    std::error_code error;
    fs::rename(m_path, m_target, error);
    if (!error) {
        m_path.clear();
    }
    return error;
}

std::error_code TemporaryFile::ReadBack(std::string& bytes, std::size_t limit, bool& replaced) {
    replaced = false;
    // Read by its name, as the camera reads it: a file system may serve a handle opened before
    // the rename from what it knew then (a FAT driver in user space reads zeros through it).
    FileHandle named;
    if (const std::error_code error = named.OpenToReadBack(m_target)) {
        return error;
    }
    const std::optional<FileIdentity> now = named.Identity();
    if (m_identity && now && *now != *m_identity) {
        replaced = true;
        return {};
    }
    return named.ReadAll(bytes, limit);
}

std::error_code TemporaryFile::Close() {
    return m_file.Close();
}

void RemoveLeftoverTemporaries(const fs::path& target, FolderHandle& folder) {
    const std::string fileName = target.filename().string();
    for (const std::string& name : folder.TakeNames()) {
        if (IsTemporaryNameOf(fileName, name)) {
            RemoveIfAbandoned(target.parent_path() / name);
        }
    }
}
