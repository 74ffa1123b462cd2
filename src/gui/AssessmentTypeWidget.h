// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ASSESSMENTTYPEWIDGET_H
#define ASSESSMENTTYPEWIDGET_H

#include <QWidget>

#include <optional>

#include "AssessmentConditions.h"
#include "EditorRefresh.h"

class ClimateEditWidget;
class EditorDocument;
class T2_UndoCommandBase;

namespace Ui {
class AssessmentTypeWidget;
}

/*! The assessment type of the project and the lengths of its condensation and drying periods.
    A chosen type and changed period lengths become undo commands; the climate editor is told
    the type, since the type decides which presets it offers and whether its values are free.

    The type of a project is detected from its values, so choosing "Custom conditions" on a
    project whose values are those of a DIN type changes nothing in the project. The editor keeps
    that choice itself, for as long as the project's conditions stay those it was made on or are
    changed through this editor and the climate editor, and unlocks the free values meanwhile;
    the first changed value then makes the project's own type custom. */
class AssessmentTypeWidget : public QWidget, public EditorRefresh {
    Q_OBJECT
public:
    explicit AssessmentTypeWidget(EditorDocument &document, QWidget *parent = nullptr);
    ~AssessmentTypeWidget() override;

    /*! The climate editor to tell about the type. */
    void setClimateEditWidget(ClimateEditWidget *climate) { m_climate = climate; }

    /*! The type the editor shows: the project's, or custom conditions chosen by the user. */
    int assessmentType() const;

    /*! Records \a command for this editor or the climate editor (the custom choice follows the
        change); true when it changed the project. */
    bool push(T2_UndoCommandBase *command);

    /*! Shows the project's type and period lengths again. */
    void refreshFromProject(Period period) override;

public slots:
    /*! A period field was left with an accepted new value. */
    void doubleEditingFinished();

signals:
    /*! A note for the status bar: why a value was refused. */
    void statusMessage(const QString &message);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    /*! The user chose a type in the combo box. */
    void assessmentTypeChosen(int index);

private:
    void fillTypes();
    /*! Enables the period fields for custom conditions only. */
    void updateEnabled();

    Ui::AssessmentTypeWidget *m_ui;
    EditorDocument &m_document;
    ClimateEditWidget *m_climate = nullptr;
    bool m_createUndo = true; ///< false while the widget is filled
    bool m_pushing = false;   ///< a command of the editors is running
    /*! The conditions on which the user chose custom conditions while the project's values match
        a DIN type; none when the project's type is shown. */
    std::optional<AssessmentConditions> m_customChoice;
};

#endif // ASSESSMENTTYPEWIDGET_H
