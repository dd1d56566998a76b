// What "Generate" costs against the least any program pays to put the same bytes on the medium
// safely: composing, scrambling, writing, syncing, renaming and syncing the folder of each
// settings file, against the same steps in plain system calls (write a new file beside the name,
// sync it, rename it over the name, sync the folder), and against one bare write and sync of the
// same bytes, which a safe write cannot get down to. All run in turn, many times; the figures are
// medians, and each ratio is the median of the ratios of writes made one beside the other.
//   trailcam-generate-bench [FOLDER] [ROUNDS]     times in a new folder made inside FOLDER (the
//                                                  system's temporary folder unless given; give a
//                                                  card's to time the card) and removed after
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "camera/camera_settings.h"
#include "mms/mms_settings.h"
#include "smtp/smtp_settings.h"

namespace {

using Clock = std::chrono::steady_clock;

double TimeMicroseconds(const std::function<void()>& step) {
    const Clock::time_point begin = Clock::now();
    step();
    return std::chrono::duration<double, std::micro>(Clock::now() - begin).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The floor: create or empty the file, write the bytes, sync, close.
void BareWrite(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0) {
        std::perror(path.c_str());
        std::exit(2);
    }
    ::close(fd);
}

// The floor of a safe write: a new file beside the name, written and synced, renamed over the
// name, and the folder synced so the new name is on the medium too.
void SafeWrite(const std::string& folder, const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".floor";
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        std::perror(path.c_str());
        std::exit(2);
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        std::perror(folder.c_str());
        std::exit(2);
    }
    ::fsync(dir);  // some file systems cannot sync a folder; that costs nothing then
    ::close(dir);
}

struct SettingsFile {
    const char* name;
    std::function<std::string()> compose;
    ScrambleKey key;
    std::function<SettingsFileOutcome(const std::string& folder)> write;
};

// Settings as a user fills them in: every text typed, so each file is of a typical size.
std::vector<SettingsFile> Files() {
    CameraSettings camera;
    camera.clockText = "2026/12/06 14:05:09";
    MmsSettings mms;
    mms.mode = kMmsModeManual;
    mms.numberPerDay = "10";
    mms.url = "http://mms.example.net/servlets/mms";
    mms.apn = "mms.example.net";
    mms.gateway = "10.10.10.10";
    mms.port = "8080";
    mms.mobiles = {"+4917012345678", "+4917012345679", "", ""};
    mms.emails = {"hunter@example.org", "lodge@example.org", "", ""};
    SmtpSettings smtp;
    smtp.emailsPerDay = "0";
    smtp.smtpServer = "smtp.example.org";
    smtp.port = "587";
    smtp.senderEmail = "camera@example.org";
    smtp.smtpPassword = "secret";
    smtp.recipients = {"hunter@example.org", "lodge@example.org", "", ""};
    return {
        {"CameraSet.dat", [camera] { return ComposeCameraSettingsText(camera); },
         kCameraScrambleKey,
         [camera](const std::string& folder) { return WriteCameraSettingsFile(camera, folder); }},
        {"MmsSet.dat", [mms] { return ComposeMmsSettingsText(mms); }, kMmsScrambleKey,
         [mms](const std::string& folder) { return WriteMmsSettingsFile(mms, folder); }},
        {"SmtpSet.dat", [smtp] { return ComposeSmtpSettingsText(smtp); }, kSmtpScrambleKey,
         [smtp](const std::string& folder) { return WriteSmtpSettingsFile(smtp, folder); }},
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    // A folder of its own, so that no settings file of the user's is ever touched.
    const QTemporaryDir scratch(argc > 1
                                    ? QDir(QString::fromLocal8Bit(argv[1]))
                                          .filePath(QStringLiteral("trailcam-bench-XXXXXX"))
                                    : QDir::tempPath() + QStringLiteral("/trailcam-bench-XXXXXX"));
    if (!scratch.isValid()) {
        std::fprintf(stderr, "cannot make a folder to time in: %s\n",
                     scratch.errorString().toLocal8Bit().constData());
        return 2;
    }
    const std::string folder = QFile::encodeName(scratch.path()).toStdString();
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 200;
    std::printf("folder: %s, %d rounds, medians\n\n", folder.c_str(), rounds);
    std::printf("%-14s %6s %14s %16s %7s %14s %7s\n", "file", "bytes", "generate, us",
                "safe write, us", "ratio", "bare write, us", "ratio");
    for (const SettingsFile& file : Files()) {
        std::string bytes = file.compose();
        ScrambleSettingsText(bytes.data(), bytes.size(), file.key);
        const std::string floorPath = folder + "/floor-" + file.name;
        const std::string barePath = folder + "/bare-" + file.name;
        std::vector<double> generate;
        std::vector<double> safe;
        std::vector<double> bare;
        std::vector<double> overSafe;
        std::vector<double> overBare;
        // The program's write, the safe write and the bare write, in that order.
        const std::array<std::function<void()>, 3> writes{
            [&] {
                if (!file.write(folder).Written()) {
                    std::fprintf(stderr, "%s was not written\n", file.name);
                    std::exit(2);
                }
            },
            [&] { SafeWrite(folder, floorPath, bytes); },
            [&] { BareWrite(barePath, bytes); },
        };
        // A few rounds first that are not counted: the first writes of a file make its name and
        // blocks, which later writes only reuse.
        constexpr int kWarmUps = 10;
        for (int i = -kWarmUps; i < rounds; ++i) {
            // The three one right after the other, each round starting one further along, so
            // that what the machine does besides weighs on each alike.
            std::array<double, 3> times{};
            for (std::size_t k = 0; k < writes.size(); ++k) {
                const std::size_t which = (static_cast<std::size_t>(i + kWarmUps) + k) % 3;
                times[which] = TimeMicroseconds(writes[which]);
            }
            const auto [g, s, b] = times;
            if (i < 0) {
                continue;
            }
            generate.push_back(g);
            safe.push_back(s);
            bare.push_back(b);
            overSafe.push_back(g / s);
            overBare.push_back(g / b);
        }
        std::printf("%-14s %6zu %14.1f %16.1f %7.2f %14.1f %7.2f\n", file.name, bytes.size(),
                    Median(generate), Median(safe), Median(overSafe), Median(bare),
                    Median(overBare));
    }
    return 0;
}
