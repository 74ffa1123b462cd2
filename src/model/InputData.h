// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INPUTDATA_H
#define INPUTDATA_H

#include <QVector>

#include "AssessmentConditions.h"
#include "MaterialLayer.h"

class LegacyTextStream;
class QXmlStreamReader;
class QXmlStreamWriter;

/*! The input of one assessment: the construction (layers from the warm, interior side at index 0
    to the cold, exterior side), the climate and period lengths, and an error state telling
    whether the input can be calculated. Value type. */
class InputData {
public:
    /*! Error states of check(). */
    enum ErrorState {
        NoError = 0,           ///< input usable
        InvalidLayerWidth = 1, ///< a layer has a width <= 0 (or not finite)
        InvalidMaterial = 2,   ///< a layer's material is not valid
        InvalidClimate = 3     ///< climate or period lengths out of range
    };

    /*! No layers, assessment type 2 (DIN 4108-3 2014/2018/2024), error state 0. */
    InputData() = default;

    /*! The construction. File readers fill it in place; editors use the operations below. */
    const QVector<MaterialLayer> &layers() const { return m_layers; }
    QVector<MaterialLayer> &layers() { return m_layers; }
    int layerCount() const { return m_layers.size(); }
    /*! Layer \a index (0 = warm side); the index must be valid. */
    const MaterialLayer &layer(int index) const { return m_layers.at(index); }

    // Editing operations of the construction, as the editors' undo commands perform them. Each
    // returns false and changes nothing when an index is out of range (a layer index must lie in
    // 0 .. layerCount()-1, an insert position in 0 .. layerCount()).

    /*! Inserts \a layer before position \a index (layerCount() appends). */
    bool insertLayer(int index, const MaterialLayer &layer);
    /*! Inserts \a layers, in their order, before position \a index. */
    bool insertLayers(int index, const QVector<MaterialLayer> &layers);
    /*! Removes \a count layers from \a index on; \a removed (optional) receives them. */
    bool removeLayers(int index, int count, QVector<MaterialLayer> *removed = nullptr);
    /*! Exchanges two layers. */
    bool swapLayers(int first, int second);
    /*! Replaces layer \a index as a whole (material and width). */
    bool setLayer(int index, const MaterialLayer &layer);
    /*! Gives layer \a index another material and keeps its width, unless the new material's
        sd-value defines the thickness (MaterialLayer::setMaterial()). */
    bool setLayerMaterial(int index, const Material &material);
    bool setLayerColor(int index, const QColor &color);
    bool setLayerName(int index, const QString &name);
    /*! One value of layer \a index, see MaterialLayer::setParameter(). */
    bool setLayerParameter(int index, int parameter, double value);

    const AssessmentConditions &assessmentConditions() const { return m_assessmentConditions; }
    AssessmentConditions &assessmentConditions() { return m_assessmentConditions; }
    void setAssessmentConditions(const AssessmentConditions &conditions) {
        m_assessmentConditions = conditions;
    }

    /*! Error state of the last check() (or as set by a file reader), see ErrorState. */
    int errorState() const { return m_errorState; }
    void setErrorState(int state) { m_errorState = state; }

    /*! Recomputes the error state: 3 when the climate range check fails; then the first layer
        (from index 0) whose width is not a finite number > 0 gives 1, or, checked next for the
        same layer, whose material is invalid gives 2. A layer problem overrides a climate
        problem. Returns the new state. */
    int check();

    /*! True when every layer has a width > 0 and is an air layer or has a horizontal lambdaEff
        > 0; true for an empty construction. */
    bool layersValidForCalculation() const;

    /*! True when at least one layer is an air layer. */
    bool hasAirLayer() const;

    /*! Equal conditions (with their tolerance), error states, layer counts, and per layer exactly
        equal widths and equal materials. */
    bool operator==(const InputData &other) const;
    bool operator!=(const InputData &other) const { return !(*this == other); }

    // The element "InputData" of the project file; defined in the io library (InputDataXML.cpp).
    // readXML returns false on a reader error; bad input only sets the error state.
    bool readXML(QXmlStreamReader &reader);
    void writeXML(QXmlStreamWriter &writer) const;

    // The "CLIMATE_LIST" and "STRUCTURE" blocks of first-generation project files, after their
    // "{" line up to their "}"; defined in the io library (InputDataOld.cpp). False on the first
    // problem, with an empty message when the file ends inside the block.
    bool readClimateOld(LegacyTextStream &in, QString &errorMessage);
    bool readConstructionOld(LegacyTextStream &in, QString &errorMessage);

private:
    bool isLayerIndex(int index) const;

    QVector<MaterialLayer> m_layers;
    AssessmentConditions m_assessmentConditions{AssessmentConditions::DIN4108_2014};
    int m_errorState = NoError;
};

#endif // INPUTDATA_H
