// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the construction view in both orientations to PNG files, for looking at the drawing
// without starting the program: every hatch kind, a thin foil and a selected layer.
//
//   QT_QPA_PLATFORM=offscreen build/tools/construction_view_shots DIRECTORY [CATALOGUE.qm]
//
// With a translation catalogue (build/bin/resources/translations/Tavo2_de.qm) the view's own
// texts appear in that language.

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QTranslator>

#include "VaDar_ConstructionView.h"
#include "VaDar_ConstructionViewWidget.h"

namespace {

QVector<VaDar::ConstructionLayer> demoLayers() {
    // Warm side first; the hatches are those the program gives these materials.
    return {
        {0.0125, QStringLiteral("Gypsum plasterboard"), QColor(236, 236, 232), 1, 4},
        {0.03, QStringLiteral("Air layer"), QColor(225, 245, 255), 0, 0},
        {0.015, QStringLiteral("Lime plaster"), QColor(240, 232, 210), 4, 4},
        {0.175, QStringLiteral("Solid brick"), QColor(168, 62, 40), 5, 8},
        {0.0002, QStringLiteral("Vapour retarder"), QColor(60, 120, 200), 0, 0},
        {0.14, QStringLiteral("Mineral wool (WLG 035)"), QColor(250, 225, 60), 7, 3},
        {0.08, QStringLiteral("Reinforced concrete"), QColor(150, 150, 150), 3, 6},
        {0.024, QStringLiteral("Timber battens"), QColor(205, 160, 95), 2, 6},
        {0.02, QStringLiteral("Clay tiles"), QColor(190, 90, 60), 6, 6},
    };
}

bool save(QWidget &widget, const QString &fileName) {
    widget.show();
    QCoreApplication::processEvents();
    return widget.grab().save(fileName, "PNG");
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(tavo_artwork);
    QTextStream err(stderr);
    if (argc != 2 && argc != 3) {
        err << "usage: construction_view_shots DIRECTORY [CATALOGUE.qm]\n";
        return 2;
    }
    QTranslator translator;
    if (argc == 3) {
        if (!translator.load(QString::fromLocal8Bit(argv[2]))) {
            err << "cannot read the catalogue " << argv[2] << "\n";
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        err << "cannot create " << dir.path() << "\n";
        return 1;
    }
    const QVector<VaDar::ConstructionLayer> layers = demoLayers();
    const QString inside = QStringLiteral("Inside");
    const QString outside = QStringLiteral("Outside");
    bool ok = true;

    VaDar::ConstructionViewWidget horizontal;
    horizontal.resize(900, 420);
    horizontal.setData(nullptr, false, inside, outside, layers);
    horizontal.show();
    QCoreApplication::processEvents();
    horizontal.selectLayer(3);
    ok = save(horizontal, dir.filePath(QStringLiteral("construction_horizontal.png"))) && ok;

    VaDar::ConstructionViewWidget vertical;
    vertical.resize(460, 760);
    vertical.setData(nullptr, false, inside, outside, layers, 7, true);
    vertical.show();
    QCoreApplication::processEvents();
    vertical.selectLayer(5);
    ok = save(vertical, dir.filePath(QStringLiteral("construction_vertical.png"))) && ok;

    // The database browser's preview: read-only, small, with marker lines and a marked region.
    VaDar::ConstructionViewWidget preview;
    preview.resize(520, 260);
    VaDar::ConstructionGraphicsSceneBase::MarkerLine plane{0.2, QPen(Qt::blue, 2), QStringLiteral("Plane 1")};
    VaDar::ConstructionGraphicsSceneBase::MarkerLine plane2{0.215, QPen(Qt::red, 2),
                                                            QStringLiteral("Plane 2")};
    preview.view()->setMarkerLines({plane, plane2});
    preview.view()->setMarkedRegion(0.25, 0.33);
    preview.setData(nullptr, true, inside, outside, layers);
    ok = save(preview, dir.filePath(QStringLiteral("construction_preview.png"))) && ok;

    if (!ok)
        err << "writing the images failed\n";
    return ok ? 0 : 1;
}
