// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HATCHEDITEMDELEGATE_H
#define HATCHEDITEMDELEGATE_H

#include <QStyledItemDelegate>
#include <QVector>

#include "MaterialLayer.h"

/*! Paints the construction table of the main window: one row, the warm (inner) side in
    column 0, one column per layer in the layer's colour with its material name, and the cold
    (outer) side in the last column.

    It paints the construction it was given by its owner; without one (no project open) nothing
    is painted. */
class HatchedItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit HatchedItemDelegate(QObject *parent = nullptr);

    /*! Paints \a layers from now on. */
    void setConstruction(const QVector<MaterialLayer> &layers);
    /*! Paints nothing from now on. */
    void clearConstruction();
    /*! The construction painted, or nullptr when there is none. */
    const QVector<MaterialLayer> *construction() const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    /*! Text colour on a layer of colour \a background: white on dark colours, else black. */
    static QColor textColorFor(const QColor &background);

private:
    void paintSide(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                   bool warmSide) const;
    void paintLayer(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                    const MaterialLayer &layer) const;

    QVector<MaterialLayer> m_layers;
    bool m_hasConstruction = false;
};

#endif // HATCHEDITEMDELEGATE_H
