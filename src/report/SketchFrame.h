// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SKETCHFRAME_H
#define SKETCHFRAME_H

#include <QCoreApplication>

#include "DiagramFrame.h"

/*! The construction sketch under its title: the layers as coloured bands over the dimension
    chain, as wide as the page and a quarter of the page high (at least 50 mm). */
class SketchFrame : public DiagramFrame {
    Q_DECLARE_TR_FUNCTIONS(SketchFrame)
public:
    explicit SketchFrame(Report &report);

    QString title() const override;
    QString note() const override { return QString(); }

protected:
    double diagramHeight(double width) const override;
};

#endif // SKETCHFRAME_H
