// Stand-in for the batch program until the project file and the calculation exist:
// it answers --help and --version and refuses every other use with a clear message.
#include <QCoreApplication>
#include <QStringList>

#include <iostream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(QStringLiteral("--version"))) {
        std::cout << "tavo2-calc " << TAVO_VERSION_STRING << std::endl;
        return 0;
    }
    if (args.size() < 2 || args.contains(QStringLiteral("--help"))) {
        std::cout << "Usage: tavo2-calc [options] FILE...\n";
        return args.size() < 2 ? 1 : 0;
    }
    std::cerr << "tavo2-calc: calculations are not available in this build yet." << std::endl;
    return 2;
}
