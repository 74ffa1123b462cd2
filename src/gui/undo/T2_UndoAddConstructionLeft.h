// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOADDCONSTRUCTIONLEFT_H
#define T2_UNDOADDCONSTRUCTIONLEFT_H

#include <QString>
#include <QVector>

#include "MaterialLayer.h"
#include "T2_UndoTableViewBase.h"

/*! Inserts all layers of a construction from the construction database, in their order, before
    layer \a index and selects the first of them; undo removes them again. */
class T2_UndoAddConstructionLeft : public T2_UndoTableViewBase {
public:
    T2_UndoAddConstructionLeft(EditorDocument &document, QTableWidget *table, const QString &description,
                               int index, const QVector<MaterialLayer> &layers,
                               const QString &constructionName);

    const QString &constructionName() const { return m_name; }

    void redo() override;
    void undo() override;

private:
    int m_index;
    QVector<MaterialLayer> m_layers;
    QString m_name;
};

#endif // T2_UNDOADDCONSTRUCTIONLEFT_H
