// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoAddConstructionLeft.h"

#include "InputData.h"

T2_UndoAddConstructionLeft::T2_UndoAddConstructionLeft(EditorDocument &document, QTableWidget *table,
                                                       const QString &description, int index,
                                                       const QVector<MaterialLayer> &layers,
                                                       const QString &constructionName)
    : T2_UndoTableViewBase(document, table, description), m_index(index), m_layers(layers),
      m_name(constructionName) {
    setValid(isValid() && !layers.isEmpty() && index >= 0 && index <= inputData().layerCount());
}

void T2_UndoAddConstructionLeft::redo() {
    if (!hasDocument() || !inputData().insertLayers(m_index, m_layers))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}

void T2_UndoAddConstructionLeft::undo() {
    if (!hasDocument() || !inputData().removeLayers(m_index, m_layers.size()))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(qMin(inputData().layerCount(), m_index + 1));
}
