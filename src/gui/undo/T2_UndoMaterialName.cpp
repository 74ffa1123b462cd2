// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoMaterialName.h"

#include <QLineEdit>

#include "InputData.h"

T2_UndoMaterialName::T2_UndoMaterialName(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                                         const QString &description, int index, const QString &name)
    : T2_UndoLineEditBase(document, table, lineEdit, description), m_index(index), m_name(name) {
    setValid(isValid() && index >= 0 && index < inputData().layerCount() &&
             inputData().layer(index).name != name);
}

void T2_UndoMaterialName::redo() {
    swap();
}

void T2_UndoMaterialName::undo() {
    swap();
}

void T2_UndoMaterialName::swap() {
    if (!hasDocument() || m_index >= inputData().layerCount())
        return;
    const QString current = inputData().layer(m_index).name;
    inputData().setLayerName(m_index, m_name);
    m_name = current;
    if (QLineEdit *edit = lineEdit())
        edit->setText(inputData().layer(m_index).name);
    setModified(Project::ModificationType::Display);
    selectColumn(m_index + 1);
}
