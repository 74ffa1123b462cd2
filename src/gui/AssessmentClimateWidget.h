// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ASSESSMENTCLIMATEWIDGET_H
#define ASSESSMENTCLIMATEWIDGET_H

#include <QWidget>

class AssessmentTypeWidget;
class ClimateEditWidget;
class EditorDocument;
class QTableWidget;

/*! The editor of a climate side of the construction table: the assessment type with the period
    lengths above the climate of the selected side. Both parts follow every change of the project,
    undo and redo included. */
class AssessmentClimateWidget : public QWidget {
    Q_OBJECT
public:
    explicit AssessmentClimateWidget(EditorDocument &document, QWidget *parent = nullptr);

    /*! Shows the climate of the warm side (true) or the cold side; the commands select that
        side's column of \a table (may be null). */
    void setSide(QTableWidget *table, bool warmSide);

    AssessmentTypeWidget *assessmentTypeWidget() const { return m_assessmentType; }
    ClimateEditWidget *climateEditWidget() const { return m_climate; }

signals:
    /*! A note for the status bar: why a value was refused. */
    void statusMessage(const QString &message);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();

    AssessmentTypeWidget *m_assessmentType;
    ClimateEditWidget *m_climate;
};

#endif // ASSESSMENTCLIMATEWIDGET_H
