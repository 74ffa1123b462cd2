// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORT_H
#define REPORT_H

#include <QFont>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include <array>
#include <memory>

#include "CalculationResults.h"
#include "InputData.h"
#include "ProjectInformation.h"
#include "ReportSettings.h"

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;
class ReportFrameBase;

/*! The printable report of one project: fourteen frames (page header and footer, project
    information, sketch, tables, diagrams, conclusions, final remarks) measured for the page
    width, placed one below the other on pages with the header and the footer on every page,
    and painted page by page on any paint device: a printer, a PDF writer, an image or an SVG
    generator. One painting path serves them all (paintPage()).

    The report works on copies of the project's data and the report settings it is handed; it
    knows no window and reads no application settings. */
class Report : public QObject {
    Q_OBJECT
public:
    /*! The frames, in page order. */
    enum Frame {
        HeaderFrameIndex = 0,
        FooterFrameIndex = 1,
        ProjectInfoFrameIndex = 2,
        SketchFrameIndex = 3,
        MaterialFrameIndex = 4,
        ClimateFrameIndex = 5,
        SurfaceResistanceFrameIndex = 6,
        ResistanceFrameIndex = 7,
        ResultsTableFrameIndex = 8,
        WaterContentDiagramIndex = 9,
        VapourPressureDiagramIndex = 10,
        ConclusionsFrameIndex = 11,
        GlaserFrameIndex = 12,
        DisclaimerFrameIndex = 13,
        FrameCount = 14
    };

    /*! Creates the text document and the frames with the font \a fontFamily (the application's
        font family when empty) in \a pointSize points. A family the font database lacks is
        logged as a warning; the report works on with the closest font. */
    explicit Report(const QString &fontFamily = QString(), int pointSize = 9, QObject *parent = nullptr);
    ~Report() override;

    /*! The project the report is about. */
    void setData(const InputData &inputData, const CalculationResults &results,
                 const ProjectInformation &projectInformation);
    /*! Frames, page numbers, logo, assessment settings. The logo image is loaded here. */
    void setSettings(const ReportSettings &settings);
    /*! Water uptake coefficients per square root of a second (true) or of an hour. */
    void setAwInSeconds(bool inSeconds) { m_awInSeconds = inSeconds; }

    const InputData &inputData() const { return m_inputData; }
    const CalculationResults &results() const { return m_results; }
    const ProjectInformation &projectInformation() const { return m_projectInformation; }
    const ReportSettings &settings() const { return m_settings; }
    bool awInSeconds() const { return m_awInSeconds; }
    bool isActivated(int frame) const { return m_settings.isActivated(frame); }

    /*! The user's logo when one is to be printed in \a position and its image loads; else null. */
    QImage userLogo(int position) const;
    /*! Size of the logo on the current device: its natural size (device dpi over image dpi) or
        the width or height chosen in the settings, limited to \a maximum. */
    QSizeF userLogoSize(const QSizeF &maximum) const;

    QTextDocument *textDocument() const { return m_textDocument.get(); }
    /*! The report font (kerning off), as the frames use it. */
    const QFont &reportFont() const { return m_font; }

    /*! Measures every frame on \a device and cuts the pages. */
    void layout(QPaintDevice &device);
    /*! Paints page \a page (1-based) of the last layout() with \a painter, whose device must be
        the one laid out for. */
    void paintPage(QPainter &painter, int page);
    /*! Lays out for \a device and paints page \a page on it. */
    void printPage(QPaintDevice &device, int page);
    /*! Lays out for \a device and paints the pages \a fromPage to \a toPage (0: first / last;
        clamped to the pages that exist), a new page between two. False when no painter could be
        opened on the device (logged). */
    bool print(QPagedPaintDevice &device, int fromPage = 0, int toPage = 0);
    /*! print() with the page range chosen on the printer. */
    bool print(QPrinter &printer);

    /*! Whether the temperature and vapour pressure profiles and the resistances of the
        calculation with condensation zones exist (also with condensation on a surface). A failed
        calculation leaves zeros behind, which the report must not print as results. */
    static bool hasProfiles(const CalculationResults &results);
    /*! Whether moisture contents, condensate and drying time of that calculation exist. */
    static bool hasMoistureResults(const CalculationResults &results);
    /*! Whether the standard DIN 4108-3 procedure gave condensate and drying masses. */
    static bool hasGlaserResults(const CalculationResults &results);

    /*! Title and text of the message shown when printing fails. */
    static QString printFailedTitle();
    static QString printFailedText();

    // Results of the last layout().
    int pageCount() const { return m_pageCount; }
    /*! Printable area of a page in device pixels. */
    const QSize &pageSize() const { return m_pageSize; }
    /*! Device pixels per millimetre of the printable area. */
    double pixelsPerMillimetre() const { return m_pixelsPerMM; }
    /*! A frame's place on its page (empty for a frame that is not printed). */
    const QRectF &frameRect(int index) const { return m_placements[index].rect; }
    int framePage(int index) const { return m_placements[index].page; }
    /*! Factor a frame taller than the page body is shrunk with (1 otherwise). */
    double frameScale(int index) const { return m_placements[index].scale; }
    const QRectF &bodyRect() const { return m_bodyRect; }
    /*! The page being painted (for the footer). */
    int currentPage() const { return m_currentPage; }

    ReportFrameBase &frame(int index) const { return *m_frames[index]; }

signals:
    /*! index + 1 after a body frame is measured, index + 15 after a frame is painted. */
    void progress(int value);

private:
    struct Placement {
        QRectF rect;
        int page = 0;
        double scale = 1;
    };

    InputData m_inputData;
    CalculationResults m_results;
    ProjectInformation m_projectInformation;
    ReportSettings m_settings;
    bool m_awInSeconds = false;
    QImage m_logo;

    std::unique_ptr<QTextDocument> m_textDocument;
    QFont m_font;
    std::array<std::unique_ptr<ReportFrameBase>, FrameCount> m_frames;

    QPaintDevice *m_device = nullptr;
    QSize m_pageSize;
    double m_pixelsPerMM = 1;
    std::array<Placement, FrameCount> m_placements;
    QRectF m_bodyRect;
    int m_pageCount = 0;
    int m_currentPage = 0;
};

#endif // REPORT_H
