#ifndef HATCHEDITEMDELEGATE_H
#define HATCHEDITEMDELEGATE_H

#include <QStyledItemDelegate>
#include <QVector>

#include "MaterialLayer.h"

/*! Paints the construction table of the main window: one row, the warm (inner) side in
    column 0, one column per layer in the layer's colour with its material name, and the cold
    (outer) side in the last column.

    The layers come from the open project unless the delegate was given a construction of its
    own; with neither nothing is painted. */
class HatchedItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit HatchedItemDelegate(QObject *parent = nullptr);

    /*! Paints \a layers instead of the project's construction. */
    void setConstruction(const QVector<MaterialLayer> &layers);
    /*! Goes back to painting the project's construction. */
    void clearConstruction();

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    /*! Text colour on a layer of colour \a background: white on dark colours, else black. */
    static QColor textColorFor(const QColor &background);

private:
    /*! The layers to paint, or nullptr when there are none to paint. */
    const QVector<MaterialLayer> *layers() const;
    void paintSide(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                   bool warmSide) const;
    void paintLayer(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                    const MaterialLayer &layer) const;

    QVector<MaterialLayer> m_ownLayers;
    bool m_hasOwnLayers = false;
};

#endif // HATCHEDITEMDELEGATE_H
