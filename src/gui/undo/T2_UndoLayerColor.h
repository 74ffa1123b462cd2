// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOLAYERCOLOR_H
#define T2_UNDOLAYERCOLOR_H

#include <QColor>

#include "T2_UndoTableViewBase.h"

/*! Gives layer \a index another colour; redo and undo exchange the stored colour with the
    layer's. A display-only change: no recalculation. Invalid for an invalid or unchanged
    colour. */
class T2_UndoLayerColor : public T2_UndoTableViewBase {
public:
    T2_UndoLayerColor(EditorDocument &document, QTableWidget *table, const QString &description, int index,
                      const QColor &color);

    void redo() override;
    void undo() override;

private:
    void swap();

    int m_index;
    QColor m_color;
};

#endif // T2_UNDOLAYERCOLOR_H
