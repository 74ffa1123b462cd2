// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOHEATFLOWDIRECTION_H
#define T2_UNDOHEATFLOWDIRECTION_H

#include <QPointer>

#include "HeatFlowDirection.h"
#include "T2_UndoCommandBase.h"

class QActionGroup;

/*! Sets the heat flow direction of the project (code 0 up, 1 down, 2 horizontal), which decides
    the thermal resistance of every air layer; redo and undo exchange the stored direction with
    the project's and check the action of \a actionGroup whose data is the new code. Invalid for
    an unknown or unchanged direction. */
class T2_UndoHeatFlowDirection : public T2_UndoCommandBase {
public:
    T2_UndoHeatFlowDirection(EditorDocument &document, QActionGroup *actionGroup, const QString &description,
                             int direction);

    void redo() override;
    void undo() override;

private:
    void swap();

    QPointer<QActionGroup> m_actionGroup;
    HeatFlowDirection m_direction = HeatFlowDirection::Horizontal;
};

#endif // T2_UNDOHEATFLOWDIRECTION_H
