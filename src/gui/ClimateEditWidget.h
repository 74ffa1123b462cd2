// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLIMATEEDITWIDGET_H
#define CLIMATEEDITWIDGET_H

#include <QPointer>
#include <QWidget>

#include "EditorRefresh.h"

class AssessmentTypeWidget;
class EditorDocument;
class QTableWidget;
class WinterTemperatureValidator;

namespace Ui {
class ClimateEditWidget;
}

/*! The climate of one side of the construction (the warm side or the cold side): a preset for
    it, and its temperature, relative humidity and surface resistance, for the condensation
    period ("Winter:") or the evaporation period ("Summer:"). Every accepted change becomes an
    undo command.

    Which presets are offered and whether the values are free depends on the assessment type the
    type editor shows: the DIN types fix the values and only let the user choose among their
    presets. */
class ClimateEditWidget : public QWidget, public EditorRefresh {
    Q_OBJECT
public:
    explicit ClimateEditWidget(EditorDocument &document, QWidget *parent = nullptr);
    ~ClimateEditWidget() override;

    void setAssessmentTypeWidget(AssessmentTypeWidget *typeWidget) { m_typeWidget = typeWidget; }

    /*! Shows the warm side (true) or the cold side; the commands select that side's column of
        \a table (may be null). */
    void setSide(QTableWidget *table, bool warmSide);
    bool isWarmSide() const { return m_warmSide; }
    /*! True while the values of the condensation period are shown. */
    bool showsCondensationPeriod() const;

    /*! Offers the presets of assessment type \a type and enables the values for custom
        conditions. Unless \a force is set, nothing happens when the type is the one shown. */
    void setAssessmentType(int type, bool force);

    /*! Reloads the fields from the project, showing \a period. */
    void refreshFromProject(Period period) override;

public slots:
    /*! The temperature field was left with an accepted new value. */
    void doubleEditingFinishedTemperature();
    /*! The humidity or the surface resistance field was left with an accepted new value. */
    void doubleEditingFinished();
    /*! The user chose preset \a index of the combo box. */
    void comboBoxClimatePresetsCurrentIndexChanged(int index);
    /*! Winter or summer was chosen: the fields show that period (no command). */
    void radioButtonPeriod_clicked();
    /*! Shows the condensation (winter) or the evaporation (summer) period. */
    void setAssessmentPeriod(bool condensation);

signals:
    /*! A note for the status bar: why a value was refused. */
    void statusMessage(const QString &message);

protected:
    void changeEvent(QEvent *event) override;

private:
    /*! The type the editor works under: the type editor's, else the project's. */
    int currentAssessmentType() const;
    void fillPresets();
    void reload();
    QString sideName() const;
    void pushClimate(QWidget *field, int valueNumber, const QString &description);

    Ui::ClimateEditWidget *m_ui;
    EditorDocument &m_document;
    QPointer<QTableWidget> m_table;
    AssessmentTypeWidget *m_typeWidget = nullptr;
    WinterTemperatureValidator *m_winterCheck; ///< owned by the temperature field
    bool m_warmSide = true;
    bool m_createUndo = true; ///< false while the widget is filled
    int m_assessmentType = 3; ///< the type whose presets are offered; 3: none yet
};

#endif // CLIMATEEDITWIDGET_H
