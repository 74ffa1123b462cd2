// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoMaterialParameters.h"

#include "InputData.h"
#include "Settings.h"

namespace {

// Factor from model units to the unit the field shows.
double displayFactor(int parameter) {
    const Settings &settings = Settings::instance();
    switch (parameter) {
    case MaterialLayer::WaterUptake:
        return settings.m_awInSeconds ? 1.0 : 60.0;
    case MaterialLayer::Width: {
        const int unit = settings.m_defaultLayerWidthUnit;
        return (unit == 10 || unit == 100 || unit == 1000) ? unit : 1.0;
    }
    default:
        return 1.0;
    }
}

} // namespace

T2_UndoMaterialParameters::T2_UndoMaterialParameters(EditorDocument &document, QTableWidget *table,
                                                     QLineEdit *lineEdit, const QString &description,
                                                     int parameter, int index)
    : T2_UndoValidatingLineEditBase(document, table, lineEdit, description), m_parameter(parameter),
      m_index(index) {
    double entered = 0;
    if (!isValid() || index < 0 || index >= inputData().layerCount() || !enteredValue(entered)) {
        refuse();
        return;
    }
    m_oldLayer = inputData().layer(index);
    if (!accepted(m_oldLayer, entered)) {
        refuse();
        return;
    }
    const double factor = displayFactor(parameter);
    if (entered == m_oldLayer.parameter(parameter) * factor) {
        setValid(false); // nothing to change
        return;
    }
    m_value = entered / factor;
}

bool T2_UndoMaterialParameters::accepted(const MaterialLayer &layer, double value) const {
    switch (m_parameter) {
    case MaterialLayer::ResistanceFactor:
        return value >= 0.1;
    case MaterialLayer::MoistureContent80:
        return value > 0 && value < layer.w_sat;
    case MaterialLayer::MoistureContentSaturation:
        return value > layer.w_80 && value <= 1.0;
    case MaterialLayer::ThermalConductivity:
        return value > 0;
    case MaterialLayer::WaterUptake:
        return value >= 0;
    case MaterialLayer::Width:
        return value > 0 && layer.sd_value == 0;
    default:
        return false;
    }
}

void T2_UndoMaterialParameters::redo() {
    if (!hasDocument() || !inputData().setLayerParameter(m_index, m_parameter, m_value))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}

void T2_UndoMaterialParameters::undo() {
    if (!hasDocument() || !inputData().setLayer(m_index, m_oldLayer))
        return;
    setModified(Project::ModificationType::InputData);
    selectColumn(m_index + 1);
}
