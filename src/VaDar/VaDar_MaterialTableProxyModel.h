// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_MATERIALTABLEPROXYMODEL_H
#define VADAR_MATERIALTABLEPROXYMODEL_H

#include <QColor>
#include <QSortFilterProxyModel>

#include "MaterialFilter.h"

namespace VaDar {

class MaterialTableModel;

/*! Filters and sorts the material table and colours its rows: user materials pale green, the
    others alternating white and light grey by visible row.

    The filters work as MaterialFilter says: category, word-wise wildcard texts for name (or
    product name), producer, data source and comment, and required material flags. */
class MaterialTableProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    static const QColor UserMaterialColor; ///< "palegreen"
    static const QColor AlternateRowColor; ///< RGB 225, 224, 223

    explicit MaterialTableProxyModel(QObject *parent = nullptr);

    /*! The source must be a MaterialTableModel. */
    void setSourceModel(QAbstractItemModel *sourceModel) override;
    MaterialTableModel *materialModel() const { return m_materials; }

    /*! -1 for all categories. */
    void setCategoryFilter(int category);
    void setNameFilter(const QString &text);
    void setProducerFilter(const QString &text);
    void setDataSourceFilter(const QString &text);
    void setCommentFilter(const QString &text);
    /*! Bits 1 << MaterialFlag that a material must all carry; 0 for none. */
    void setRequiredFlags(unsigned flags);
    const MaterialFilter &filter() const { return m_filter; }

    /*! The database index of the material in visible row \a row, or -1. */
    int materialIndex(int row) const;
    /*! The visible row of the material with database index \a index, or -1 when it is filtered
        out or does not exist. */
    int rowOfMaterial(int index) const;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    MaterialTableModel *m_materials = nullptr;
    MaterialFilter m_filter;
};

} // namespace VaDar

#endif // VADAR_MATERIALTABLEPROXYMODEL_H
