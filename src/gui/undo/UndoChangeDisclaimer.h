// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef UNDOCHANGEDISCLAIMER_H
#define UNDOCHANGEDISCLAIMER_H

#include <QString>

#include "T2_UndoCommandBase.h"

/*! Replaces the disclaimer text the report prints; redo and undo exchange the stored text with
    the project's. The text is saved in the project file, so the project counts as modified
    (type 2). Invalid when the text is unchanged. */
class UndoChangeDisclaimer : public T2_UndoCommandBase {
public:
    UndoChangeDisclaimer(EditorDocument &document, const QString &description, const QString &text);

    void redo() override;
    void undo() override;

private:
    void swap();

    QString m_text;
};

#endif // UNDOCHANGEDISCLAIMER_H
