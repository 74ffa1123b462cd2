// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONLAYERFRAME_H
#define CONSTRUCTIONLAYERFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

/*! "Material Properties": one row per layer from the warm to the cold side with thickness,
    bulk density, thermal conductivity, vapour diffusion resistance factor, moisture contents at
    80 % and at saturation and the water uptake coefficient, and a legend of the symbols. */
class ConstructionLayerFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ConstructionLayerFrame)
public:
    explicit ConstructionLayerFrame(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    const VaDar::Table &table() const { return m_table; }

    /*! Bulk density in kg/m³: two decimals below 10, none from 10 on. */
    static QString densityText(double rho);
    /*! Water uptake coefficient given per square root of a second, shown per square root of an
        hour (times 60) unless \a inSeconds; four decimals. */
    static QString awText(double awPerSecond, bool inSeconds);
    /*! Unit of the water uptake coefficient (rich text). */
    static QString awUnit(bool inSeconds);

private:
    VaDar::TextFrame m_title;
    VaDar::Table m_table;
    VaDar::TextFrame m_legend;
    double m_tableTop = 0;
    double m_legendTop = 0;
};

#endif // CONSTRUCTIONLAYERFRAME_H
