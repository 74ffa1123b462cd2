// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoAddConstructionRight.h"

#include "InputData.h"

T2_UndoAddConstructionRight::T2_UndoAddConstructionRight(EditorDocument &document, QTableWidget *table,
                                                         const QString &description, int index,
                                                         const QVector<MaterialLayer> &layers,
                                                         const QString &constructionName)
    : T2_UndoTableViewBase(document, table, description), m_index(index), m_layers(layers),
      m_name(constructionName) {
    setValid(isValid() && !layers.isEmpty() && index >= 0 && index < inputData().layerCount());
}

void T2_UndoAddConstructionRight::redo() {
    if (!hasDocument() || !inputData().insertLayers(m_index + 1, m_layers))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 2);
}

void T2_UndoAddConstructionRight::undo() {
    if (!hasDocument() || !inputData().removeLayers(m_index + 1, m_layers.size()))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(qMin(inputData().layerCount(), m_index + 1));
}
