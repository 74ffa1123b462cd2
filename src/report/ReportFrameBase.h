// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTFRAMEBASE_H
#define REPORTFRAMEBASE_H

#include <QFont>
#include <QRectF>

#include <array>

class QPaintDevice;
class QPainter;
class Report;

namespace VaDar {
class Table;
class TextFrame;
} // namespace VaDar

/*! One block of the printed report (title, tables, diagram, ...). The report measures every
    frame for the page width with update() and paints it with print() at the place pagination
    gave it. Frames compose their content from the report's shared text document, so all
    measuring and drawing uses the report's font on the target paint device. */
class ReportFrameBase {
public:
    /*! Kinds of text whose first-line height the frames use for spacing. */
    enum TextKind { PlainText = 0, Heading1, Heading2, Heading3, Heading4, SmallText, TextKindCount };

    /*! Line widths of every frame table in screen pixels (the tables scale them to the device). */
    static constexpr double OuterLineWidth = 1.5;
    static constexpr double InnerLineWidth = 0.7;

    explicit ReportFrameBase(Report &report);
    virtual ~ReportFrameBase();
    ReportFrameBase(const ReportFrameBase &) = delete;
    ReportFrameBase &operator=(const ReportFrameBase &) = delete;

    /*! Lays the content out for \a width device pixels on \a device and sets frameRect() to
        (0, 0, width, content height). */
    virtual void update(QPaintDevice *device, double width) = 0;
    /*! Paints the content into \a rect (the frame's place on the page, in the painter's
        coordinates). */
    virtual void print(QPainter &painter, const QRectF &rect) = 0;

    /*! The measured frame: origin 0, 0, the width it was laid out for and its height. */
    const QRectF &frameRect() const { return m_frameRect; }

    /*! Height of the first line of "QWERTZUIOP" as \a kind on the device of the last update(). */
    double lineHeight(TextKind kind) const { return m_lineHeights[kind]; }
    const QFont &font() const { return m_font; }

protected:
    /*! Makes the report font the shared document's default and measures the line heights on
        \a device. Every update() starts with it. */
    void prepare(QPaintDevice *device);

    /*! Sets \a table up on the shared document with \a cols x \a rows empty cells, with the
        report's line widths or none, and the cell padding of all report tables. */
    void setupTable(VaDar::Table &table, unsigned int cols, unsigned int rows, bool lines = true) const;
    /*! Lays \a table out \a width wide on \a device; returns its height. */
    static double layoutTable(VaDar::Table &table, QPaintDevice *device, double width);
    /*! Sets the text of \a frame to \a html and returns its height laid out \a width wide. */
    static double layoutText(VaDar::TextFrame &frame, QPaintDevice *device, double width,
                             const QString &html);

    Report &m_report;
    QRectF m_frameRect;

private:
    QFont m_font;
    std::array<double, TextKindCount> m_lineHeights{};
};

#endif // REPORTFRAMEBASE_H
