// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_MaterialTableProxyModel.h"

#include "VaDar_MaterialTableModel.h"

namespace VaDar {

const QColor MaterialTableProxyModel::UserMaterialColor(QStringLiteral("palegreen"));
const QColor MaterialTableProxyModel::AlternateRowColor(225, 224, 223);

MaterialTableProxyModel::MaterialTableProxyModel(QObject *parent) : QSortFilterProxyModel(parent) {
    setSortRole(MaterialTableModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
}

void MaterialTableProxyModel::setSourceModel(QAbstractItemModel *sourceModel) {
    m_materials = qobject_cast<MaterialTableModel *>(sourceModel);
    QSortFilterProxyModel::setSourceModel(sourceModel);
}

void MaterialTableProxyModel::setCategoryFilter(int category) {
    m_filter.setCategory(category);
    invalidateFilter();
}

void MaterialTableProxyModel::setNameFilter(const QString &text) {
    m_filter.setNameFilter(text);
    invalidateFilter();
}

void MaterialTableProxyModel::setProducerFilter(const QString &text) {
    m_filter.setProducerFilter(text);
    invalidateFilter();
}

void MaterialTableProxyModel::setDataSourceFilter(const QString &text) {
    m_filter.setDataSourceFilter(text);
    invalidateFilter();
}

void MaterialTableProxyModel::setCommentFilter(const QString &text) {
    m_filter.setCommentFilter(text);
    invalidateFilter();
}

void MaterialTableProxyModel::setRequiredFlags(unsigned flags) {
    m_filter.setRequiredFlags(flags);
    invalidateFilter();
}

int MaterialTableProxyModel::materialIndex(int row) const {
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() : -1;
}

int MaterialTableProxyModel::rowOfMaterial(int index) const {
    if (!m_materials || index < 0 || index >= m_materials->rowCount())
        return -1;
    const QModelIndex proxy = mapFromSource(m_materials->index(index, 0));
    return proxy.isValid() ? proxy.row() : -1;
}

QVariant MaterialTableProxyModel::data(const QModelIndex &index, int role) const {
    if (role == Qt::BackgroundRole && index.isValid() && m_materials) {
        if (m_materials->isUserMaterial(mapToSource(index).row()))
            return UserMaterialColor;
        return index.row() % 2 == 1 ? AlternateRowColor : QColor(Qt::white);
    }
    if (role == Qt::ForegroundRole && index.isValid())
        return QColor(Qt::black); // the row colours are light in every style
    return QSortFilterProxyModel::data(index, role);
}

bool MaterialTableProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const {
    if (!m_materials || sourceParent.isValid() || sourceRow >= m_materials->rowCount())
        return false;
    return m_filter.matches(m_materials->material(sourceRow));
}

bool MaterialTableProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const {
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    if (a.userType() == QMetaType::Double && b.userType() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace VaDar
