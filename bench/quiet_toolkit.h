#pragma once

// The toolkit's warnings (an offscreen platform cannot mask or raise windows) would fill the
// figures with noise and cost time of their own; the benchmarks drop them.
#include <QtGlobal>

inline void SilenceToolkitMessages() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}
