// SPDX-License-Identifier: GPL-3.0-or-later
#include "HatchedItemDelegate.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QPainter>

namespace {

/*! Writes \a text bottom-up (rotated by -90 degrees), starting 5 pixels above the bottom of
    \a rect and centred across it. */
void drawBottomUpText(QPainter *painter, const QRect &rect, const QString &text) {
    painter->save();
    painter->translate(rect.bottomLeft() + QPoint(0, 1));
    painter->rotate(-90);
    // After the rotation x runs up the cell and y across it.
    const QRect rotated(5, 0, rect.height() - 10, rect.width());
    painter->drawText(rotated, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

} // namespace

HatchedItemDelegate::HatchedItemDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void HatchedItemDelegate::setConstruction(const QVector<MaterialLayer> &layers) {
    m_layers = layers;
    m_hasConstruction = true;
}

void HatchedItemDelegate::clearConstruction() {
    m_layers.clear();
    m_hasConstruction = false;
}

const QVector<MaterialLayer> *HatchedItemDelegate::construction() const {
    return m_hasConstruction ? &m_layers : nullptr;
}

QColor HatchedItemDelegate::textColorFor(const QColor &background) {
    return background.value() < 200 ? QColor(Qt::white) : QColor(Qt::black);
}

void HatchedItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const {
    const QVector<MaterialLayer> *construction = this->construction();
    if (construction == nullptr || !index.isValid())
        return;
    const int column = index.column();
    const int lastColumn = index.model()->columnCount(index.parent()) - 1;
    if (column == 0) {
        paintSide(painter, option, index, true);
    } else if (column == lastColumn) {
        paintSide(painter, option, index, false);
    } else if (column - 1 < construction->size()) {
        paintLayer(painter, option, index, construction->at(column - 1));
    }
}

void HatchedItemDelegate::paintSide(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index, bool warmSide) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QRect &r = option.rect;
    const QSize marker(r.width() / 4, r.height() / 4);
    painter->save();
    if (warmSide)
        painter->fillRect(QRect(r.topLeft(), marker), Qt::red);
    else
        painter->fillRect(QRect(QPoint(r.right() - marker.width() + 1, r.top()), marker), Qt::blue);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->setFont(option.font);
    drawBottomUpText(painter, r, warmSide ? tr("warm") : tr("cold"));
    painter->restore();
}

void HatchedItemDelegate::paintLayer(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index, const MaterialLayer &layer) const {
    const QRect &r = option.rect;
    painter->save();
    painter->fillRect(r, layer.color);
    QColor textColor = textColorFor(layer.color);
    const bool tableFocused = option.widget != nullptr && option.widget->hasFocus();
    if ((option.state & QStyle::State_Selected) && tableFocused) {
        QStyledItemDelegate::paint(painter, option, index);
        textColor = Qt::white;
    }
    painter->setPen(textColor);
    painter->setFont(option.font);
    const QFontMetrics metrics(option.font);
    const QString &name = layer.name;
    if (r.width() > metrics.horizontalAdvance(name) + 4)
        painter->drawText(r.adjusted(2, 5, -2, 0), Qt::AlignHCenter | Qt::AlignTop, name);
    else if (r.width() > metrics.height() + 4)
        drawBottomUpText(painter, r, name);
    painter->restore();
}
