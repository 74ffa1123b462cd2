// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTPREVIEW_H
#define REPORTPREVIEW_H

#include <QDialog>
#include <QElapsedTimer>
#include <QMap>
#include <QPrinter>
#include <QString>
#include <QTimer>

#include <memory>

class DINCriteriaSettings;
class DryingReserveSettings;
class EditorDocument;
class HTMLTextFormatWidget;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QFontComboBox;
class QLabel;
class QPrintPreviewWidget;
class QProgressBar;
class QPushButton;
class QToolBox;
class QToolButton;
class Report;
class Settings;
class TextEditWidget;
class UserDialogs;
class UserLogoSettingsWidget;

/*! The report of the open project page by page, with everything that decides what it prints:
    which frames, page numbers, the user's logo, the font, the assessment settings its
    conclusions are judged with, and the final remarks. From here the report is printed, written
    as PDF, or its current page exported as PNG, JPG, SVG or PDF.

    The choices are the report settings of the application settings, which the dialog edits
    directly; a change refreshes the preview at once. The final remarks belong to the project:
    editing them is an undo step of the project's history.

    Painting is guarded against re-entry: while the report is being laid out and painted the
    dialog is not ready, and a refresh asked for meanwhile runs once painting is done. Failures
    are written to the log and shown to the user; the dialog stays usable. All file and print
    dialogs go through the UserDialogs given. */
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    /*! Previews the project of \a document with the report settings of \a settings; \a dialogs
        asks for files and shows messages. All three must outlive the dialog. */
    ReportPreview(EditorDocument &document, Settings &settings, UserDialogs &dialogs,
                  QWidget *parent = nullptr);
    ~ReportPreview() override;

    /*! Shows the settings and the project as they are now and lays the report out afresh: the
        refresh after every change of the project. */
    void regenerate();

    /*! "Print...": the print dialog on the preview's printer, then the report. False when
        cancelled or failed (the user was told why). */
    bool printWithDialog();
    /*! "Write pdf": asks for a file and writes the whole report as PDF. False when cancelled or
        failed (the user was told why); a failed write leaves no file behind. */
    bool writePdf();
    /*! "...": asks for a file and writes the current preview page as PNG, JPG, SVG or PDF, as the
        chosen file type says. False when cancelled or failed (the user was told why); a failed
        export leaves no file behind. */
    bool exportCurrentPage();
    /*! "Page Setup...": paper and margins of the preview's printer. */
    void pageSetup();

    /*! The name "Write pdf" writes to: \a chosen with ".pdf" appended when it has no suffix. */
    static QString pdfFileName(const QString &chosen);
    /*! Size of an exported page image: the width of an A4 page at \a dpi, the height in the
        proportions of the printable area \a printable (any unit). */
    static QSize pageImageSize(const QSizeF &printable, double dpi);

    /*! False while the report is being painted. */
    bool isReady() const { return m_ready; }
    /*! The report of the last painting (null before the first). */
    const Report *report() const { return m_report.get(); }
    /*! Pages of the preview. */
    int pageCount() const;
    /*! Number of report paintings so far (preview and printing). */
    int paintCount() const { return m_paintCount; }
    /*! Error of the last painting shown in the dialog; empty when it went well. */
    QString errorText() const;
    /*! The printer of preview and printing. */
    QPrinter &printer() { return m_printer; }

    /*! The check box of report frame \a index (0 to 13). */
    QCheckBox *frameCheckBox(int index) const;

signals:
    /*! Progress of painting the report (see Report::progress). */
    void progress(int value);

public slots:
    /*! Paints the report on \a printer: the preview's paint request and printing. Does nothing
        while a painting is running. */
    void printReport(QPrinter *printer);

protected:
    /*! Hands \a report the open project and the report settings. */
    virtual void prepareReport(Report &report) const;

    void hideEvent(QHideEvent *event) override;
    /*! Keeps the preview's pages from being drawn while they are painted afresh. */
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // construction
    QWidget *createGeneralPage();
    QWidget *createInputDataPage();
    QWidget *createResultsPage();
    QWidget *createDiagramsPage();
    QWidget *createFinalRemarksPage();
    QWidget *createButtonRow();
    QCheckBox *addFrameCheckBox(const QString &label, int index, QWidget *parent);
    void fillConstructionKinds();

    /*! Shows the report settings and the project's final remarks in the controls. */
    void loadControls();
    /*! Repaints the preview, or marks it for repainting once the current painting is done. */
    void refreshPreview();
    void setProgress(int value);

    // reactions on the controls
    void frameToggled(bool checked);
    void assessmentChanged();
    void dryingReserveChanged(double kgPerYear);
    void zoomModeChosen(int index);
    void disclaimerEdited();
    /*! Makes the edited final remarks an undo step (when they changed). */
    void commitDisclaimer();

    /*! A fresh report with the font of the settings, its progress shown here. */
    std::unique_ptr<Report> makeReport();
    QFileDialog &exportFileDialog();
    /*! Shows \a error (empty: none) under the preview. */
    void showError(const QString &error);

    EditorDocument &m_document;
    Settings &m_settings;
    UserDialogs &m_dialogs;

    QPrinter m_printer;
    std::unique_ptr<Report> m_report;
    QPrintPreviewWidget *m_preview = nullptr;
    QMap<QCheckBox *, int> m_frameCheckBoxes;

    QToolBox *m_toolBox = nullptr;
    QCheckBox *m_pageNumbers = nullptr;
    QCheckBox *m_remarks = nullptr;
    HTMLTextFormatWidget *m_remarkFormat = nullptr;
    QFontComboBox *m_font = nullptr;
    UserLogoSettingsWidget *m_userLogo = nullptr;
    QComboBox *m_minimumRVersion = nullptr;
    QComboBox *m_constructionKind = nullptr;
    QCheckBox *m_frsiCheck = nullptr;
    DINCriteriaSettings *m_dinCriteria = nullptr;
    DryingReserveSettings *m_dryingReserve = nullptr;
    TextEditWidget *m_disclaimerEditor = nullptr;
    QComboBox *m_zoomMode = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_errorLabel = nullptr;
    QFileDialog *m_exportFileDialog = nullptr;

    QTimer m_disclaimerTimer;
    QString m_disclaimerSource; ///< the project's final remarks the editor was filled from
    QString m_disclaimerShown;  ///< the editor's text right after that (or after the last commit)

    bool m_ready = false;
    bool m_refreshPending = false;
    bool m_previewPainting = false; ///< the preview's pages are being painted afresh
    int m_paintCount = 0;
    QString m_lastError;
    bool m_lastPrinted = false;
    QElapsedTimer m_sinceEvents; ///< time since pending events were last handled while painting
};

#endif // REPORTPREVIEW_H
