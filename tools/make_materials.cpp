// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time generator of the built-in material database: reads the maintained source table
// (resources/materials.csv) and writes the enciphered material file with the program's own writer.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <iostream>

#include "MaterialCsv.h"
#include "MaterialFile.h"

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::cerr << "Usage: make_materials SOURCE.csv TARGET.t2m" << std::endl;
        return 1;
    }
    QVector<MaterialFile::Record> records;
    QString error;
    if (!MaterialCsv::read(args[1], records, error)) {
        std::cerr << "make_materials: " << args[1].toStdString() << ": " << error.toStdString() << std::endl;
        return 1;
    }
    QDir().mkpath(QFileInfo(args[2]).absolutePath());
    if (!MaterialFile::write(args[2], MaterialCsv::languages(), records, &error)) {
        std::cerr << "make_materials: " << error.toStdString() << std::endl;
        return 1;
    }
    std::cout << "make_materials: " << records.size() << " materials written to " << args[2].toStdString()
              << std::endl;
    return 0;
}
