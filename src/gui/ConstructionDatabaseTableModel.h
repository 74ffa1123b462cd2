// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONDATABASETABLEMODEL_H
#define CONSTRUCTIONDATABASETABLEMODEL_H

#include <QAbstractTableModel>

#include "Construction.h"

class ConstructionList;

/*! The construction database as a table: one row per stored construction, its name in column 0
    and one column per layer position, as many as the construction with the most layers has.

    Changes of the database go through the model, which tells its views; entries are addressed
    by row and handed out as copies. */
class ConstructionDatabaseTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ConstructionDatabaseTableModel(ConstructionList &constructions, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /*! A copy of the entry at \a row; an empty construction for a row out of range. */
    Construction construction(int row) const;
    /*! Appends \a construction and returns its row. */
    int appendConstruction(const Construction &construction);
    /*! False for a row out of range. */
    bool replaceConstruction(int row, const Construction &construction);
    /*! Removes the entry at \a row (not the first equal one); false for a row out of range. */
    bool removeConstruction(int row);
    /*! Appends the constructions of another construction file (see ConstructionList). */
    QString importConstructions(const QString &path, int *added = nullptr);
    /*! Shows the database anew after it was changed elsewhere. */
    void refresh();

    /*! The text of a layer cell: width in mm and material name. */
    static QString layerText(const MaterialLayer &layer);

private:
    ConstructionList &m_constructions;
};

#endif // CONSTRUCTIONDATABASETABLEMODEL_H
