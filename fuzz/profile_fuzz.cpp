// The localisation file reader on any bytes. It must never crash or read out of bounds, every
// value it delivers must be valid UTF-8 of at most 999 characters with no line end or NUL in it,
// and an entry that stands first in the section "String" is found whatever follows it.
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

#include "core/profile.h"

namespace {

// The bytes under test live in a file in memory, which the reader opens by its name.
class MemoryFile {
public:
    MemoryFile() : m_fd(::memfd_create("trailcam-setup.ini", MFD_CLOEXEC)) {
        if (m_fd < 0) {
            std::abort();
        }
    }
    void Hold(std::string_view bytes) const {
        if (::ftruncate(m_fd, 0) != 0 ||
            ::pwrite(m_fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
            std::abort();
        }
    }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

private:
    int m_fd;
};

void CheckValue(const std::string& value) {
    // A byte-order mark inside a value is a character like any other and is kept.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded =
        utf8(QByteArrayView(value.data(), static_cast<qsizetype>(value.size())));
    if (utf8.hasError() ||
        decoded.toUcs4().size() > static_cast<qsizetype>(kProfileValueMaxCharacters) ||
        value.find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos) {
        std::abort();
    }
}

// A key the input itself names, so that lookups find entries: the text before the first equals
// sign of the input's first line.
std::string KeyNamedBy(std::string_view bytes) {
    const std::string_view line = bytes.substr(0, bytes.find_first_of("\n\r"));
    return std::string(line.substr(0, line.find('=')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryFile file;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    file.Hold(bytes);
    for (const std::string& key :
         {std::string("IDD105_Title"), std::string("IDD106_-1"), KeyNamedBy(bytes)}) {
        CheckValue(ReadProfileString(file.Path(), "String", key));
    }

    file.Hold("[String]\nIDD100_Title=First\n" + std::string(bytes));
    if (ReadProfileString(file.Path(), "String", "idd100_title") != "First") {
        std::abort();
    }
    return 0;
}
