// SPDX-License-Identifier: GPL-3.0-or-later
// tavo2-calc: calculates and assesses project files without a window, for scripts, continuous
// integration and regression tests. Same libraries and texts as the window program.
#include <QApplication>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <memory>

#include "BatchOptions.h"
#include "BatchRunner.h"
#include "QuietMessageHandler.h"

namespace {

// Qt's own notes about the platform (no runtime directory, fonts, ...) would mix into the program's
// standard error, which scripts read; only its errors get through.
void qtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tavo2-calc: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[]) {
    // Past a file size limit (ulimit -f) a write should fail with a message, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // Only a report needs the graphical libraries (fonts, diagrams, PDF). They run on the
    // offscreen platform, so a report is made the same with or without a display.
    std::unique_ptr<QCoreApplication> app;
    if (BatchOptions::wantsReport(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(qtMessages);
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The window program's name, so both find the same per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("Tavo2"));

    // Standard output and standard error belong to the program's own output.
    QuietMessageHandler handler;
    ZMT::setMessageHandler(&handler);

    int code = 0;
    {
        BatchRunner runner;
        code = runner.run(QCoreApplication::arguments());
    }
    ZMT::setMessageHandler(nullptr);
    return code;
}
