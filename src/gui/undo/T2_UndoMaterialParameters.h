// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOMATERIALPARAMETERS_H
#define T2_UNDOMATERIALPARAMETERS_H

#include "MaterialLayer.h"
#include "T2_UndoValidatingLineEditBase.h"

/*! Sets one value of layer \a index from a number field of the layer editor; undo restores the
    layer as it was. Selects the layer both ways.

    \a parameter numbers the value as MaterialLayer::Parameter does. The field shows the value
    in the units of the settings: the width in the default layer width unit (10 dm, 100 cm,
    1000 mm, else m), the water uptake coefficient per square root of an hour unless the
    settings show it per second. The number is accepted when:
    - 0 resistance factor: value >= 0.1
    - 1 moisture content at 80 %: 0 < value < moisture content at saturation
    - 2 moisture content at saturation: moisture content at 80 % < value <= 1
    - 3 thermal conductivity: value > 0
    - 4 water uptake coefficient: value >= 0 (a layer without capillary uptake has 0)
    - 5 width: value > 0, and the width does not follow from an sd-value
    A refused or unchanged number makes the command invalid; a refused one gives the field the
    focus back. */
class T2_UndoMaterialParameters : public T2_UndoValidatingLineEditBase {
public:
    T2_UndoMaterialParameters(EditorDocument &document, QTableWidget *table, QLineEdit *lineEdit,
                              const QString &description, int parameter, int index);

    /*! The new value in model units (m, per square root of a second). */
    double newValue() const { return m_value; }

    void redo() override;
    void undo() override;

private:
    /*! Whether \a value (in the field's unit) may be stored in \a layer. */
    bool accepted(const MaterialLayer &layer, double value) const;

    int m_parameter;
    int m_index;
    double m_value = 0;       ///< model units
    MaterialLayer m_oldLayer; ///< owned copy of the layer before the change
};

#endif // T2_UNDOMATERIALPARAMETERS_H
