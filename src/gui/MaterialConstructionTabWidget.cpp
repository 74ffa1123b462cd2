// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialConstructionTabWidget.h"

#include "ConstructionDatabaseWidget.h"
#include "MaterialDatabaseWidget.h"

MaterialConstructionTabWidget::MaterialConstructionTabWidget(MaterialList &materials,
                                                             ConstructionList &constructions,
                                                             UserDialogs &dialogs, QWidget *parent)
    : QTabWidget(parent), m_materials(new MaterialDatabaseWidget(materials, dialogs, this)),
      m_constructions(new ConstructionDatabaseWidget(constructions, dialogs, this)) {
    m_materials->setObjectName(QStringLiteral("materialDatabaseWidget"));
    m_constructions->setObjectName(QStringLiteral("constructionDatabaseWidget"));
    insertTab(MaterialsTab, m_materials, tr("Materials"));
    insertTab(ConstructionsTab, m_constructions, tr("Constructions"));
}
