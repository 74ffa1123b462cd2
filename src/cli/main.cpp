// tavo2-calc: calculates and assesses project files without a window, for scripts, continuous
// integration and regression tests. Same libraries and texts as the window program.
#include <QCoreApplication>

#include "BatchRunner.h"
#include "QuietMessageHandler.h"

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
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
