// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOCLIMATE_H
#define T2_UNDOCLIMATE_H

#include "AssessmentConditions.h"
#include "T2_UndoValidatingLineEditBase.h"

/*! Sets one climate value of one side from a number field of the climate editor and selects
    that side's column of the construction table.

    \a valueNumber: 0 temperature and 1 relative humidity of the condensation period,
    2 temperature and 3 relative humidity of the evaporation period, 4 surface resistance (of
    both periods: the summer resistance follows the winter one). The number is accepted when
    -40 < temperature < 80 °C, 0 < humidity < 100 %, resistance > 0, and a warm side winter
    temperature is not below the cold side's (nor the cold side's above the warm side's). A
    refused number, or one within 0.0001 of the current value, makes the command invalid.

    The command keeps the whole assessment conditions before and after the change, since a
    changed value may also change the detected assessment type. */
class T2_UndoClimate : public T2_UndoValidatingLineEditBase {
public:
    enum ValueNumber {
        CondensationTemperature = 0,
        CondensationHumidity = 1,
        EvaporationTemperature = 2,
        EvaporationHumidity = 3,
        SurfaceResistance = 4
    };

    T2_UndoClimate(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                   const QString &description, int valueNumber, bool warmSide);

    void redo() override;
    void undo() override;

private:
    void assign(const AssessmentConditions &conditions);
    bool accepted(double value, const InputData &data) const;

    int m_valueNumber;
    bool m_warmSide;
    AssessmentConditions m_before;
    AssessmentConditions m_after;
};

#endif // T2_UNDOCLIMATE_H
