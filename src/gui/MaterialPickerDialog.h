#ifndef MATERIALPICKERDIALOG_H
#define MATERIALPICKERDIALOG_H

#include <QDialog>
#include <QList>

#include "Material.h"

class QDialogButtonBox;
class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;

/*! A small searchable list of the material database for choosing the material of a layer: the
    built-in materials, then the user's own. Typing narrows the list to the materials whose name,
    category or database contains the text (any case) and selects the first one; a double click
    or OK takes the selected material. */
class MaterialPickerDialog : public QDialog {
    Q_OBJECT
public:
    MaterialPickerDialog(const QList<Material> &builtIn, const QList<Material> &user,
                         QWidget *parent = nullptr);

    /*! Narrows the list as typing into the search field does. */
    void setSearchText(const QString &text);
    /*! Number of materials the list shows. */
    int shownCount() const;
    /*! Name of the material shown in \a row, or an empty text. */
    QString shownName(int row) const;
    /*! Selects the material shown in \a row. */
    void selectShown(int row);

    bool hasSelection() const;
    /*! The selected material (a default one when there is none). */
    Material selectedMaterial() const;

private:
    void filterChanged(const QString &text);
    void selectionChanged();
    int selectedIndex() const;

    QList<Material> m_materials;
    QLineEdit *m_search;
    QTreeView *m_view;
    QStandardItemModel *m_model;
    QSortFilterProxyModel *m_proxy;
    QDialogButtonBox *m_buttons;
};

#endif // MATERIALPICKERDIALOG_H
