// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_MATERIALTABLEMODEL_H
#define VADAR_MATERIALTABLEMODEL_H

#include <QAbstractTableModel>
#include <QList>

#include "Material.h"

namespace VaDar {

/*! The material database as a table: one row per material, the built-in materials first and the
    user materials after them, so a row is the material's index in the database. The model holds
    copies; its owner hands it the materials again after every change of the database.

    Display texts are in the units of the headers (moisture contents in kg/m³); SortRole gives
    numbers as doubles and texts as strings, so the columns sort by value. */
class MaterialTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NameColumn,
        CategoryColumn,
        ProductColumn,
        ProducerColumn,
        SourceColumn,
        DensityColumn,
        HeatCapacityColumn,
        MuColumn,
        LambdaColumn,
        W80Column,
        WSatColumn,
        AwColumn,
        SdColumn,
        AirPermeanceColumn,
        ColumnCount
    };
    /*! The value a column sorts by. */
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit MaterialTableModel(QObject *parent = nullptr);

    /*! Replaces all rows: \a builtIn first, then \a user. */
    void setMaterials(const QList<Material> &builtIn, const QList<Material> &user);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int builtInCount() const { return m_builtInCount; }
    /*! The material of \a row (0 <= row < rowCount()). */
    const Material &material(int row) const { return m_materials.at(row); }
    bool isUserMaterial(int row) const { return row >= m_builtInCount && row < m_materials.size(); }

    /*! The name under which the width and visibility of \a column are stored ("MaterialName", ...). */
    static QString columnId(int column);
    /*! Columns without data in this program (heat capacity, air permeance): hidden at first. */
    static bool isHiddenByDefault(int column);

private:
    QVariant displayText(const Material &m, int column) const;
    static QVariant sortValue(const Material &m, int column);

    QList<Material> m_materials;
    int m_builtInCount = 0;
};

} // namespace VaDar

#endif // VADAR_MATERIALTABLEMODEL_H
