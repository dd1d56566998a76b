// How long the steps a user waits for take: opening the windows and generating a file.
//   build/bench/trailcam-bench [--benchmark_filter=...]
#include <QApplication>
#include <QTemporaryDir>

#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "app/main_dlg.h"
#include "app/setup_app.h"
#include "camera/camera_dlg.h"
#include "camera/camera_settings.h"
#include "framework/localised_texts.h"
#include "mms/mms_dlg.h"

namespace {

CameraSettings Defaults() {
    CameraSettings settings;
    settings.clockText = "06-12-2026 14:05:09";
    return settings;
}

void ComposeAndScrambleCameraSet(benchmark::State& state) {
    const CameraSettings settings = Defaults();
    for (auto _ : state) {
        std::string text = ComposeCameraSettingsText(settings);
        ScrambleSettingsText(text.data(), text.size(), kCameraScrambleKey);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(ComposeAndScrambleCameraSet);

void WriteCameraSet(benchmark::State& state) {
    QTemporaryDir dir;
    const CameraSettings settings = Defaults();
    const std::string folder = dir.path().toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteCameraSettingsFile(settings, folder));
    }
}
BENCHMARK(WriteCameraSet)->Unit(benchmark::kMicrosecond);

template <class Dialog>
void OpenWindow(benchmark::State& state) {
    for (auto _ : state) {
        Dialog dialog;
        dialog.Create();
        dialog.show();
        QApplication::processEvents();
    }
}
BENCHMARK(OpenWindow<CMainDlg>)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWindow<CCameraDlg>)->Unit(benchmark::kMillisecond);

// Opening a localised form whose localisation file is 50 MB of line feeds (argument 0) or one
// 50 MB line (argument 1): it must stay well under a second.
void OpenMmsWithHugeLocalisationFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kLocalisationFileName));
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << "[String]\nIDD105_Title=MMS-Einstellungen\n";
        const std::string chunk(1 << 20, state.range(0) == 0 ? '\n' : 'x');
        for (int i = 0; i < 50; ++i) {
            out << chunk;
        }
    }
    SetLocalisationFile(path);
    for (auto _ : state) {
        CMmsDlg dialog;
        dialog.Create();
        dialog.show();
        QApplication::processEvents();
    }
    SetLocalisationFile({});
}
BENCHMARK(OpenMmsWithHugeLocalisationFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    CSetupApp::InitInstance();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
