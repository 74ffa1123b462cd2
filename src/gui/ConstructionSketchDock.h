// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONSKETCHDOCK_H
#define CONSTRUCTIONSKETCHDOCK_H

#include <QDockWidget>
#include <QVector>

#include "MaterialLayer.h"

namespace VaDar {
class ConstructionViewWidget;
}

/*! The construction drawn to scale, with hatched layers and the dimension chain, in a dock of
    the main window beside the construction table. It shows the layers it is handed and reports
    what the user asks for (select a layer, assign a material, insert, move or remove a layer);
    the window turns those into the same undo commands as its own layer actions. */
class ConstructionSketchDock : public QDockWidget {
    Q_OBJECT
public:
    explicit ConstructionSketchDock(QWidget *parent = nullptr);

    /*! Draws \a layers (warm side first). */
    void setConstruction(const QVector<MaterialLayer> &layers);
    /*! No project: nothing to draw, nothing to ask for. */
    void clearConstruction();
    /*! Selects layer \a index (-1: none) without reporting it back. */
    void selectLayer(int index);

    VaDar::ConstructionViewWidget *viewWidget() const { return m_widget; }

signals:
    void layerSelected(int index);
    /*! A material is to be chosen for layer \a index (assign action or double click). */
    void assignMaterial(int index);
    void insertLayer(int index, bool left);
    void moveLayer(int index, bool left);
    void removeLayer(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    VaDar::ConstructionViewWidget *m_widget;
    bool m_selecting = false; ///< selection set from outside: not reported back
};

#endif // CONSTRUCTIONSKETCHDOCK_H
