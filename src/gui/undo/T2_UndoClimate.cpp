// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoClimate.h"

#include <cmath>

#include "InputData.h"
#include "WinterTemperatureCheck.h"

namespace {

struct ValueAddress {
    int quantity;
    int period;
};

ValueAddress address(int valueNumber) {
    using AC = AssessmentConditions;
    switch (valueNumber) {
    case T2_UndoClimate::CondensationTemperature:
        return {AC::Temperature, AC::Winter};
    case T2_UndoClimate::CondensationHumidity:
        return {AC::RelativeHumidity, AC::Winter};
    case T2_UndoClimate::EvaporationTemperature:
        return {AC::Temperature, AC::Summer};
    case T2_UndoClimate::EvaporationHumidity:
        return {AC::RelativeHumidity, AC::Summer};
    default:
        return {AC::SurfaceResistance, AC::BothPeriods};
    }
}

double currentValue(const AssessmentConditions &c, int valueNumber, bool warmSide) {
    const ClimateCondition &winter = warmSide ? c.interiorClimate() : c.exteriorClimate();
    const ClimateCondition &summer = warmSide ? c.interiorSummerClimate() : c.exteriorSummerClimate();
    switch (valueNumber) {
    case T2_UndoClimate::CondensationTemperature:
        return winter.temperature();
    case T2_UndoClimate::CondensationHumidity:
        return winter.relativeHumidity();
    case T2_UndoClimate::EvaporationTemperature:
        return summer.temperature();
    case T2_UndoClimate::EvaporationHumidity:
        return summer.relativeHumidity();
    default:
        return winter.surfaceResistance();
    }
}

} // namespace

T2_UndoClimate::T2_UndoClimate(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                               const QString &description, int valueNumber, bool warmSide)
    : T2_UndoValidatingLineEditBase(document, table, lineEdit, description), m_valueNumber(valueNumber),
      m_warmSide(warmSide) {
    double value = 0;
    if (!isValid() || valueNumber < CondensationTemperature || valueNumber > SurfaceResistance ||
        !enteredValue(value) || !accepted(value, inputData())) {
        refuse();
        return;
    }
    m_before = inputData().assessmentConditions();
    if (std::abs(value - currentValue(m_before, valueNumber, warmSide)) <= 0.0001) {
        setValid(false); // nothing to change
        return;
    }
    m_after = m_before;
    const ValueAddress a = address(valueNumber);
    m_after.setValue(a.quantity, a.period, warmSide, value);
}

bool T2_UndoClimate::accepted(double value, const InputData &data) const {
    switch (m_valueNumber) {
    case CondensationTemperature:
        return value > -40 && value < 80 &&
               checkWinterTemperatures(value, m_warmSide, &data) == WinterTemperatureState::Valid;
    case EvaporationTemperature:
        return value > -40 && value < 80;
    case CondensationHumidity:
    case EvaporationHumidity:
        return value > 0 && value < 100;
    default:
        return value > 0;
    }
}

void T2_UndoClimate::redo() {
    assign(m_after);
}

void T2_UndoClimate::undo() {
    assign(m_before);
}

void T2_UndoClimate::assign(const AssessmentConditions &conditions) {
    if (!hasDocument())
        return;
    inputData().setAssessmentConditions(conditions);
    setModified(Project::ModificationType::InputData);
    selectColumn(sideColumn(m_warmSide));
    const bool summer = m_valueNumber == EvaporationTemperature || m_valueNumber == EvaporationHumidity;
    const bool winter = m_valueNumber == CondensationTemperature || m_valueNumber == CondensationHumidity;
    refreshEditors(summer   ? EditorRefresh::EvaporationPeriod
                   : winter ? EditorRefresh::CondensationPeriod
                            : EditorRefresh::KeepPeriod);
}
