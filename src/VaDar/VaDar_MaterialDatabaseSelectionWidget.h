// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_MATERIALDATABASESELECTIONWIDGET_H
#define VADAR_MATERIALDATABASESELECTIONWIDGET_H

#include <QList>
#include <QWidget>

#include "Material.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSettings;
class QTableView;

namespace VaDar {

class MaterialTableModel;
class MaterialTableProxyModel;

/*! The material table with its filter fields (category, name, producer, data source, comment),
    the name of the selected material and its remarks. Materials are addressed by their index in
    the database (built-in first, then the user's); the widget holds copies.

    One material at most is selected; materialSelected() reports every change of it, also when
    a filter hides the selected material (-1). */
class MaterialDatabaseSelectionWidget : public QWidget {
    Q_OBJECT
public:
    explicit MaterialDatabaseSelectionWidget(QWidget *parent = nullptr);

    /*! Shows these materials (built-in first); nothing is selected afterwards. */
    void setMaterials(const QList<Material> &builtIn, const QList<Material> &user);

    /*! The database index of the selected material, or -1. */
    int selectedMaterial() const { return m_selected; }
    /*! The visible row of the selected material, or -1. */
    int selectedRow() const;
    int visibleRowCount() const;
    /*! Selects the material with database \a index and scrolls to it; false (nothing selected)
        when it does not exist or the filters hide it. -1 clears the selection. */
    bool selectMaterial(int index);
    /*! Selects visible row \a row, or the last row when \a row is past the end; -1 clears. */
    void selectRow(int row);
    /*! Empties all filter fields and shows every category. */
    void clearFilters();

    /*! Column widths and visibility, under the column ids of MaterialTableModel. */
    void saveColumnLayout(QSettings &settings) const;
    void restoreColumnLayout(QSettings &settings);

    MaterialTableModel *tableModel() const { return m_model; }
    MaterialTableProxyModel *proxyModel() const { return m_proxy; }
    QTableView *tableView() const { return m_table; }

signals:
    void materialSelected(int index);
    void doubleClickMaterials(int index);

private slots:
    void updateSelection();
    void showHeaderMenu(const QPoint &pos);

private:
    QComboBox *m_categoryFilter;
    QLineEdit *m_nameFilter;
    QLineEdit *m_producerFilter;
    QLineEdit *m_dataSourceFilter;
    QLineEdit *m_commentFilter;
    QTableView *m_table;
    QLabel *m_selectedName;
    QPlainTextEdit *m_remarks;
    MaterialTableModel *m_model;
    MaterialTableProxyModel *m_proxy;
    int m_selected = -1;
};

} // namespace VaDar

#endif // VADAR_MATERIALDATABASESELECTIONWIDGET_H
