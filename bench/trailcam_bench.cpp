// How long the steps a user waits for take: opening the windows and generating a file.
//   build/bench/trailcam-bench [--benchmark_filter=...]
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "app/main_dlg.h"
#include "app/setup_app.h"
#include "camera/camera_dlg.h"
#include "camera/camera_settings.h"

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
