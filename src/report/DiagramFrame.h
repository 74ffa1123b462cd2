// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIAGRAMFRAME_H
#define DIAGRAMFRAME_H

#include <QCoreApplication>

#include <memory>

#include "DiagramKind.h"
#include "ReportFrameBase.h"
#include "VaDar_TextFrame.h"

class DiagramScene;

/*! A profile diagram of the report under its title: the water content diagram (with a note on
    the colour of the condensate) or the vapour pressure diagram, as wide as the page and two
    thirds as high. The drawing is the window's diagram in report mode: sizes in millimetres. */
class DiagramFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(DiagramFrame)
public:
    DiagramFrame(Report &report, DiagramKind kind);
    ~DiagramFrame() override;

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    DiagramKind kind() const { return m_kind; }
    /*! Title of the frame (rich text). */
    virtual QString title() const;
    /*! Note below the drawing (rich text), empty for none. */
    virtual QString note() const;
    /*! The scene of the last update(); null before. */
    const DiagramScene *scene() const { return m_scene.get(); }
    /*! False when the construction cannot be drawn (invalid input): the frame then says so. */
    bool hasDrawing() const { return m_hasDrawing; }

protected:
    /*! Height of the drawing for a frame \a width wide. */
    virtual double diagramHeight(double width) const;

private:
    DiagramKind m_kind;
    std::unique_ptr<DiagramScene> m_scene;
    VaDar::TextFrame m_title;
    VaDar::TextFrame m_note;
    QRectF m_diagramRect; ///< relative to the frame
    double m_noteTop = 0;
    bool m_hasDrawing = false;
};

#endif // DIAGRAMFRAME_H
