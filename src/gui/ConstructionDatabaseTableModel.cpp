// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionDatabaseTableModel.h"

#include <QLocale>

#include "ConstructionList.h"

ConstructionDatabaseTableModel::ConstructionDatabaseTableModel(ConstructionList &constructions,
                                                               QObject *parent)
    : QAbstractTableModel(parent), m_constructions(constructions) {}

int ConstructionDatabaseTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_constructions.count();
}

int ConstructionDatabaseTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : 1 + m_constructions.maxLayerCount();
}

QVariant ConstructionDatabaseTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_constructions.count())
        return QVariant();
    const Construction &c = m_constructions.construction(index.row());
    const int layer = index.column() - 1;
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0)
            return c.name;
        return layer < c.layers.size() ? layerText(c.layers.at(layer)) : QString();
    case Qt::ToolTipRole:
        if (index.column() == 0)
            return c.notes.isEmpty() ? c.name : c.name + QLatin1Char('\n') + c.notes;
        return layer < c.layers.size() ? QVariant(c.layers.at(layer).name) : QVariant();
    default:
        return QVariant();
    }
}

QVariant ConstructionDatabaseTableModel::headerData(int section, Qt::Orientation orientation,
                                                    int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Name");
    if (section == 1)
        return tr("Warm side\nLayer 1");
    if (section == columnCount() - 1)
        return tr("Cold side\nLayer %1").arg(section);
    return tr("\nLayer %1").arg(section);
}

QString ConstructionDatabaseTableModel::layerText(const MaterialLayer &layer) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return tr("%1mm %2").arg(locale.toString(layer.width() * 1000, 'g', 6), layer.name);
}

Construction ConstructionDatabaseTableModel::construction(int row) const {
    if (row < 0 || row >= m_constructions.count())
        return Construction();
    return m_constructions.construction(row);
}

int ConstructionDatabaseTableModel::appendConstruction(const Construction &construction) {
    beginResetModel();
    m_constructions.appendConstruction(construction);
    endResetModel();
    return m_constructions.count() - 1;
}

bool ConstructionDatabaseTableModel::replaceConstruction(int row, const Construction &construction) {
    if (row < 0 || row >= m_constructions.count())
        return false;
    // The number of layers, and with it the number of columns, may change.
    beginResetModel();
    m_constructions.replaceConstruction(row, construction);
    endResetModel();
    return true;
}

bool ConstructionDatabaseTableModel::removeConstruction(int row) {
    if (row < 0 || row >= m_constructions.count())
        return false;
    beginResetModel();
    m_constructions.removeConstruction(row);
    endResetModel();
    return true;
}

QString ConstructionDatabaseTableModel::importConstructions(const QString &path, int *added) {
    beginResetModel();
    const ConstructionList::ImportResult result = m_constructions.importConstructions(path);
    endResetModel();
    if (added)
        *added = result.added;
    return result.message;
}

void ConstructionDatabaseTableModel::refresh() {
    beginResetModel();
    endResetModel();
}
