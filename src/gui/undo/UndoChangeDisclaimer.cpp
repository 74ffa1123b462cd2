// SPDX-License-Identifier: GPL-3.0-or-later
#include "UndoChangeDisclaimer.h"

#include <utility>

#include "Document.h"

UndoChangeDisclaimer::UndoChangeDisclaimer(EditorDocument &document, const QString &description,
                                           const QString &text)
    : T2_UndoCommandBase(document, description), m_text(text) {
    setValid(isValid() && this->document().projectInformation().DisclaimerText != text);
}

void UndoChangeDisclaimer::redo() {
    swap();
}

void UndoChangeDisclaimer::undo() {
    swap();
}

void UndoChangeDisclaimer::swap() {
    if (!hasDocument())
        return;
    std::swap(document().projectInformation().DisclaimerText, m_text);
    setModified(Project::ModificationType::ProjectInformation);
}
