// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DINCRITERIARESULT_H
#define DINCRITERIARESULT_H

#include <limits>
#include <vector>

#include <QString>
#include <QVector>

#include "AssessmentSettings.h"
#include "CalculationResults.h"
#include "MaterialLayer.h"

/*! What the DIN 4108-3 moisture criteria need to know about the layers inside the condensation
    zones of one calculation: which of them cannot take up water by capillary suction (their
    condensate limit is 0.5 instead of 1.0 kg/m²) and which are wood or wood-based material
    (their condensate must not raise the mass-related moisture content by more than 5 % or 3 %).

    A layer belongs to a zone when its index lies between the zone's first and last layer, both
    included; a layer in two zones is listed twice. Zone indices outside the construction are
    ignored. Masses in kg/m². */
class DINCriteriaResult {
public:
    using Zones = std::vector<CalculationResults::IndexRange>;

    /*! No zones: no limits, empty lists. */
    DINCriteriaResult() = default;
    /*! Evaluates the layers inside \a zones. \a settings give the water uptake limit of
        non-capillary material and the edition for note(). */
    DINCriteriaResult(const QVector<MaterialLayer> &layers, const Zones &zones,
                      const AssessmentSettings &settings = AssessmentSettings());

    /*! True when any layer of \a zones is in the non-capillary list. */
    bool zoneHasNonCapillaryLayer(const Zones &zones) const;

    /*! True when there is no wood layer or the condensate mass \a mc stays below the wood limit. */
    bool woodOk(double mc) const;
    /*! True when there is no wood-based layer or \a mc stays below the wood-based limit. */
    bool woodBasedOk(double mc) const;
    /*! True when a zone contains wood or wood-based material. */
    bool hasWoodChecks() const;

    /*! Number of condensate rows of the conclusions table: 3, or 4 with wood checks. */
    int rowCount() const;

    /*! Remark for a user-defined water uptake limit (translated, context "DINCriteriaResult");
        empty for the DIN editions and for a user value of 0. */
    QString note() const;

    /*! Smallest d × ρ × 0.05 over the wood layers in zones, kg/m²; the largest double if none. */
    double woodLimit() const { return m_woodLimit; }
    /*! Smallest d × ρ × 0.03 over the wood-based layers in zones; the largest double if none. */
    double woodBasedLimit() const { return m_woodBasedLimit; }
    /*! Water uptake limit used for non-capillary material, kg/(m²·h^0.5). */
    double awLimitPerHour() const { return m_settings.awLimitPerHour(); }

    /*! Indices of the layers in zones that count as non-capillary (m_Aw <= the limit). */
    const QVector<int> &nonCapillaryLayers() const { return m_nonCapillaryLayers; }
    /*! Indices of the layers in zones made of wood. */
    const QVector<int> &woodLayers() const { return m_woodLayers; }
    /*! Indices of the layers in zones made of wood-based material. */
    const QVector<int> &woodBasedLayers() const { return m_woodBasedLayers; }

private:
    AssessmentSettings m_settings;
    double m_woodLimit = std::numeric_limits<double>::max();
    double m_woodBasedLimit = std::numeric_limits<double>::max();
    QVector<int> m_nonCapillaryLayers;
    QVector<int> m_woodLayers;
    QVector<int> m_woodBasedLayers;
};

#endif // DINCRITERIARESULT_H
