// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALCONSTRUCTIONTABWIDGET_H
#define MATERIALCONSTRUCTIONTABWIDGET_H

#include <QTabWidget>

class ConstructionDatabaseWidget;
class ConstructionList;
class MaterialDatabaseWidget;
class MaterialList;
class UserDialogs;

/*! The two tabs of the database dialog: "Materials" and "Constructions". */
class MaterialConstructionTabWidget : public QTabWidget {
    Q_OBJECT
public:
    enum Tab { MaterialsTab = 0, ConstructionsTab = 1 };

    MaterialConstructionTabWidget(MaterialList &materials, ConstructionList &constructions,
                                  UserDialogs &dialogs, QWidget *parent = nullptr);

    MaterialDatabaseWidget *materialsWidget() const { return m_materials; }
    ConstructionDatabaseWidget *constructionsWidget() const { return m_constructions; }

private:
    MaterialDatabaseWidget *m_materials;
    ConstructionDatabaseWidget *m_constructions;
};

#endif // MATERIALCONSTRUCTIONTABWIDGET_H
