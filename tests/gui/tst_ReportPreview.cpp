// SPDX-License-Identifier: GPL-3.0-or-later
// The report preview: its controls change the report settings and the preview at once, the final
// remarks become undo steps, and printing, "Write pdf" and the page export either write a
// complete file or tell the user and leave nothing behind.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>
#include <QUndoStack>

#include "DINCriteriaSettings.h"
#include "Document.h"
#include "DryingReserveSettings.h"
#include "EditorDocument.h"
#include "HTMLTextFormatWidget.h"
#include "Report.h"
#include "ReportFrameConclusions.h"
#include "ReportFrameProjectInfo.h"
#include "ReportPreview.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "TextEditWidget.h"
#include "UserLogoSettingsWidget.h"
#include "ZMT_Exception.h"

namespace {

const QString FlatRoof = QStringLiteral(TAVO_EXAMPLES_DIR "/unventilated-flat-roof.t2p");
const QString Ceiling = QStringLiteral(TAVO_EXAMPLES_DIR "/ceiling-with-air-layer.t2p");

// A preview of one example project, with scripted dialogs. A report that should fail throws
// while it is handed the project.
class Preview : public ReportPreview {
public:
    struct Parts {
        Project project;
        EditorDocument document{project};
        ScriptedDialogs dialogs;
    };
    static std::unique_ptr<Parts> open(const QString &file) {
        auto parts = std::make_unique<Parts>();
        QString error;
        if (!parts->document.read(file, error))
            qFatal("%s", qPrintable(error));
        return parts;
    }
    explicit Preview(Parts &p) : ReportPreview(p.document, Settings::instance(), p.dialogs), parts(p) {}

    Parts &parts;
    bool fail = false;

    template <class W> W *child(const QString &name) const { return findChild<W *>(name); }
    QStringList checks() const {
        QStringList texts;
        const auto &conclusions = static_cast<const ReportFrameConclusions &>(report()->frame(11));
        for (const CheckRow &row : conclusions.checks())
            texts << row.label + (row.hasVerdict() ? (row.isFulfilled() ? " | yes" : " | no") : "");
        return texts;
    }

protected:
    void prepareReport(Report &report) const override {
        if (fail)
            throw ZMT::Exception("Frame exploded.", "Test::prepareReport");
        ReportPreview::prepareReport(report);
    }
};

bool isPdf(const QString &name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) && f.readAll().startsWith("%PDF-");
}

} // namespace

class tst_ReportPreview : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QLocale::setDefault(QLocale::c());
    }
    void init() { Settings::instance().resetToDefaults(); }

    void pdfFileName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no suffix") << "/tmp/wall"
                                   << "/tmp/wall.pdf";
        QTest::newRow("pdf kept") << "/tmp/wall.pdf"
                                  << "/tmp/wall.pdf";
        QTest::newRow("any suffix kept") << "/tmp/wall.PDF"
                                         << "/tmp/wall.PDF";
        QTest::newRow("dot in the folder only") << "/tmp/v2.1/wall"
                                                << "/tmp/v2.1/wall.pdf";
        QTest::newRow("trailing dot") << "/tmp/wall."
                                      << "/tmp/wall.pdf";
    }
    void pdfFileName() {
        QFETCH(QString, chosen);
        QTEST(ReportPreview::pdfFileName(chosen), "written");
    }

    // Frames switched off leave the report and the settings; the preview follows at once.
    void frameCheckBoxes() {
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.regenerate();
        const int pages = preview.pageCount();
        QVERIFY(pages >= 2);
        for (int frame : {3, 4, 5, 9, 12}) {
            QVERIFY(preview.frameCheckBox(frame)->isChecked());
            preview.frameCheckBox(frame)->click();
            QVERIFY(!Settings::instance().m_reportSettings.isActivated(frame));
            QVERIFY(!preview.report()->isActivated(frame));
        }
        QCOMPARE(preview.pageCount(), 1);
        preview.frameCheckBox(13)->click();
        QVERIFY(Settings::instance().m_reportSettings.m_printDisclaimer);
        QCOMPARE(ReportSettings::framesToText(Settings::instance().m_reportSettings.m_activatedFrames),
                 QString("1 1 1 0 0 0 0 0 0 0 0 1 0 1 "));
    }

    // An assessment setting changed in the preview changes its verdicts at once.
    void verdictsFollowSettings_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("check"); // a line of the conclusions afterwards
        QTest::newRow("edition 2014") << "radioButtonEdition1"
                                      << "Check according DIN 4108-3 2014 with";
        QTest::newRow("walls and ceilings reserve")
            << "radioButtonWallsAndCeilings"
            << "Check for drying reserve of 100 g/m<sup>2</sup>a according "
               "DIN 68800-2 | no";
        QTest::newRow("fRsi") << "checkBoxFrsi"
                              << "DIN 4108-2 Check for minmal";
    }
    void verdictsFollowSettings() {
        QFETCH(QString, control);
        QFETCH(QString, check);
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.regenerate();
        const QStringList before = preview.checks();
        QVERIFY(!before.join('\n').contains(check));
        preview.child<QAbstractButton>(control)->click();
        QVERIFY2(preview.checks().join('\n').contains(check), qPrintable(preview.checks().join('\n')));
    }

    // The drying reserve means nothing without condensate; its choice is kept for the next project.
    void dryingReserveWithoutCondensate() {
        Settings::instance().m_reportSettings.m_assessment.m_dryingReserve = 0.25;
        auto parts = Preview::open(Ceiling);
        Preview preview(*parts);
        preview.regenerate();
        auto *widget = preview.child<DryingReserveSettings>("dryingReserveSettings");
        QVERIFY(widget->message().startsWith("In case of no condensation"));
        QVERIFY(preview.child<QRadioButton>("radioButtonNoDryingReserve")->isChecked());
        QVERIFY(!preview.child<QRadioButton>("radioButtonRoofs")->isEnabled());
        QCOMPARE(Settings::instance().m_reportSettings.m_assessment.m_dryingReserve, 0.25);

        QString error;
        QVERIFY(parts->document.read(FlatRoof, error));
        preview.regenerate();
        QVERIFY(widget->message().isEmpty());
        QVERIFY(preview.child<QRadioButton>("radioButtonRoofs")->isChecked());
    }

    void dryingReserveValues_data() {
        QTest::addColumn<double>("grams");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<double>("value");
        QTest::newRow("none") << 0.0 << "radioButtonNoDryingReserve" << 0.0;
        QTest::newRow("negative is none") << -5.0 << "radioButtonNoDryingReserve" << 0.0;
        QTest::newRow("walls") << 100.0 << "radioButtonWallsAndCeilings" << 0.1;
        QTest::newRow("roofs") << 250.0 << "radioButtonRoofs" << 0.25;
        QTest::newRow("custom") << 42.0 << "radioButtonCustomDryingReserve" << 0.042;
    }
    void dryingReserveValues() {
        QFETCH(double, grams);
        QFETCH(QString, checked);
        DryingReserveSettings widget;
        widget.setValue(grams);
        QVERIFY(widget.findChild<QRadioButton *>(checked)->isChecked());
        QTEST(widget.value(), "value");
    }

    // Rejected custom values say why and change nothing.
    void dryingReserveInput_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<double>("value");
        QTest::newRow("custom value") << "150.5" << QString() << 0.1505;
        QTest::newRow("negative") << "-1"
                                  << "The drying reserve cannot be < 0." << 0.1;
        QTest::newRow("no number") << "abc"
                                   << "The drying reserve must be a number." << 0.1;
    }
    void dryingReserveInput() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        DryingReserveSettings widget;
        widget.setValue(100);
        QSignalSpy emitted(&widget, &DryingReserveSettings::valueChanged);
        widget.findChild<QLineEdit *>()->setText(typed);
        widget.findChild<QPushButton *>("pushButtonUpdateDryingReserve")->click();
        QCOMPARE(widget.message(), message);
        QTEST(widget.value(), "value");
        QCOMPARE(emitted.size(), message.isEmpty() ? 1 : 0);
    }

    // The editions fix their water uptake limit; the user's own value waits for "User defined".
    void dinCriteria() {
        DINCriteriaSettings widget;
        AssessmentSettings settings;
        settings.m_accordanceType = AssessmentSettings::UserDefined;
        settings.m_nonCapillarAw = 0.3 / 60;
        widget.setSettings(settings);
        auto *nonCapillary = widget.findChild<QLineEdit *>("lineEditNonCapillaryAw");
        QCOMPARE(nonCapillary->text(), QString("0.3"));
        QVERIFY(!nonCapillary->isReadOnly());
        nonCapillary->setText("0.4");
        widget.findChild<QRadioButton *>("radioButtonEdition1")->click();
        QCOMPARE(nonCapillary->text(), QString("0.5"));
        QVERIFY(nonCapillary->isReadOnly());
        QVERIFY(widget.apply(settings));
        QCOMPARE(settings.m_accordanceType, int(AssessmentSettings::DIN4108_3_2014));
        QCOMPARE(settings.m_nonCapillarAw, 0.4 / 60);

        widget.findChild<QRadioButton *>("radioButtonEdition3")->click();
        QCOMPARE(nonCapillary->text(), QString("0.4"));
        auto *capillaryActive = widget.findChild<QLineEdit *>("lineEditCapillaryActiveAw");
        capillaryActive->setText("-0.1");
        const AssessmentSettings before = settings;
        QVERIFY(!widget.apply(settings));
        QCOMPARE(widget.message(), QString("The Aw value cannot be < 0."));
        QVERIFY(settings == before);
        capillaryActive->setText("0.9");
        widget.findChild<QRadioButton *>("radioButtonTwoSides")->click();
        QVERIFY(widget.apply(settings));
        QCOMPARE(settings.m_capillarActiveAw, 0.9 / 60);
        QVERIFY(!settings.m_capillaryCheckOneSide);
        QVERIFY(widget.message().isEmpty());

        // in seconds the values are shown as they are stored
        widget.setAwInSeconds(true);
        QCOMPARE(capillaryActive->text(), QString("0.015"));
    }

    // The logo chosen in the preview goes where its position says.
    void logoPositions_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("no logo") << 0;
        QTest::newRow("page header") << 1;
        QTest::newRow("beside the project information") << 2;
    }
    void logoPositions() {
        QFETCH(int, position);
        QImage logo(120, 60, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        const QString path = m_dir.filePath("logo.png");
        QVERIFY(logo.save(path));
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.regenerate();
        parts->dialogs.fileNames << path;
        preview.child<QToolButton>("toolButtonLogoFile")->click();
        auto *combo = preview.child<QComboBox>("comboBoxLogoPosition");
        combo->setCurrentIndex(combo->findData(position));
        emit combo->activated(combo->currentIndex());
        const ReportSettings::UserLogo &stored = Settings::instance().m_reportSettings.m_userLogo;
        QCOMPARE(stored.m_path, path);
        QCOMPARE(stored.m_position, position);
        for (int p : {1, 2})
            QCOMPARE(!preview.report()->userLogo(p).isNull(), p == position);
        // a height instead of a width
        preview.child<QRadioButton>("radioButtonLogoHeight")->click();
        preview.child<QSpinBox>("spinBoxLogoHeight")->setValue(15);
        QVERIFY(!Settings::instance().m_reportSettings.m_userLogo.m_widthSetting);
        QCOMPARE(preview.report()->settings().m_userLogo.m_size, 15);
    }

    // The final remarks are the project's: an edit is one undo step, undone into the editor.
    void finalRemarks() {
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.regenerate();
        auto *editor = preview.child<TextEditWidget>("disclaimerEditor");
        const QString original = parts->document.document()->projectInformation().DisclaimerText;
        QVERIFY(!original.isEmpty());
        QVERIFY(editor->textEdit()->toPlainText().startsWith("Die Berechnung erfolgt"));
        editor->textEdit()->setPlainText("No warranty.");
        preview.child<QPushButton>("pushButtonUpdateDisclaimer")->click();
        QUndoStack *stack = parts->document.undoStack();
        QCOMPARE(stack->count(), 1);
        QCOMPARE(stack->undoText(), QString(": Undo change final remarks."));
        const QString disclaimer = parts->document.document()->projectInformation().DisclaimerText;
        QVERIFY(disclaimer.contains("No warranty."));
        QCOMPARE(Settings::instance().m_reportSettings.m_disclaimerText, disclaimer);
        preview.child<QPushButton>("pushButtonUpdateDisclaimer")->click(); // nothing new
        QCOMPARE(stack->count(), 1);
        stack->undo();
        preview.regenerate();
        QCOMPARE(parts->document.document()->projectInformation().DisclaimerText, original);
        QVERIFY(editor->textEdit()->toPlainText().startsWith("Die Berechnung erfolgt"));
    }

    // The format buttons set the project description.
    void remarkFormat() {
        auto parts = Preview::open(FlatRoof);
        Document document = *parts->document.document();
        document.projectInformation().Description = "Roof of the garage";
        parts->document.setDocument(document);
        Preview preview(*parts);
        preview.regenerate();
        preview.child<HTMLTextFormatWidget>("remarkFormat")
            ->findChild<QToolButton *>("toolButtonFormat2")
            ->click();
        QCOMPARE(Settings::instance().m_reportSettings.m_remarkFormat, 2);
        const auto &info = static_cast<const ReportFrameProjectInfo &>(preview.report()->frame(2));
        QCOMPARE(info.descriptionText(), QString("<h2>Roof of the garage</h2>"));
        preview.child<QCheckBox>("checkBoxRemarks")->click();
        QVERIFY(static_cast<const ReportFrameProjectInfo &>(preview.report()->frame(2))
                    .descriptionText()
                    .isEmpty());
    }

    // Each page type is written completely; a file that cannot be written is reported and absent.
    void exportPage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written"); // empty: the export fails
        QTest::newRow("png") << "page"
                             << "Png file (*.png)"
                             << "page.png";
        QTest::newRow("jpg for a jpeg name") << "page.jpeg"
                                             << "Jpg image (*.jpg)"
                                             << "page.jpg";
        QTest::newRow("svg") << "page.svg"
                             << "Svg file (*.svg)"
                             << "page.svg";
        QTest::newRow("pdf") << "page.pdf"
                             << "Pdf file (*.pdf)"
                             << "page.pdf";
        QTest::newRow("folder missing") << "missing/page.png"
                                        << "Png file (*.png)" << QString();
        QTest::newRow("pdf, folder missing") << "missing/page.pdf"
                                             << "Pdf file (*.pdf)" << QString();
    }
    void exportPage() {
        QFETCH(QString, file);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QTemporaryDir dir;
        Settings::instance().m_lastProjectFile = FlatRoof;
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.regenerate();
        parts->dialogs.exports << qMakePair(dir.filePath(file), filter);
        QCOMPARE(preview.exportCurrentPage(), !written.isEmpty());
        QVERIFY(preview.isReady());
        if (written.isEmpty()) {
            QVERIFY(parts->dialogs.message.startsWith("Export failed | The file"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
            const int paints = preview.paintCount();
            preview.regenerate(); // still usable
            QCOMPARE(preview.paintCount(), paints + 1);
            return;
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        const QString path = dir.filePath(written);
        QCOMPARE(Settings::instance().m_lastExportFile, path);
        if (written.endsWith(".pdf")) {
            QVERIFY(isPdf(path));
        } else if (written.endsWith(".svg")) {
            QFile svg(path);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            const QByteArray text = svg.readAll();
            QVERIFY(text.contains("<title>Report</title>") && text.contains(FlatRoof.toUtf8()));
        } else {
            const QImage image(path);
            const QSizeF printable = preview.printer().pageLayout().paintRect(QPageLayout::Millimeter).size();
            QCOMPARE(image.size(), ReportPreview::pageImageSize(
                                       printable, QPrinter(QPrinter::ScreenResolution).resolution()));
            QCOMPARE(image.pixelColor(0, image.height() - 1), QColor(Qt::white));
        }
    }

    // "Write pdf" and printing: complete files, or a message and nothing on disk.
    void writeAndPrint() {
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.regenerate();
        ScriptedDialogs &d = parts->dialogs;
        d.fileNames << m_dir.filePath("roof") << m_dir.filePath("missing/roof.pdf")
                    << m_dir.filePath("printed.pdf") << m_dir.filePath("missing/printed.pdf");
        QVERIFY(preview.writePdf());
        QVERIFY(isPdf(m_dir.filePath("roof.pdf")));
        QCOMPARE(Settings::instance().m_lastExportFile, m_dir.filePath("roof.pdf"));
        QVERIFY(!preview.writePdf());
        QVERIFY(d.message.startsWith("Cannot print report. | "));
        QVERIFY(preview.printWithDialog());
        QVERIFY(isPdf(m_dir.filePath("printed.pdf")));
        QVERIFY(!preview.printWithDialog());
        QCOMPARE(d.message, QString("Cannot print report. | Creating paint device failed."));
        QVERIFY(!preview.writePdf()); // cancelled
        QCOMPARE(d.kinds, (QStringList{"save", "save", "critical", "print", "print", "critical", "save"}));
        QVERIFY(!QFile::exists(m_dir.filePath("missing")));
        QVERIFY(preview.isReady());
    }

    // A report that fails while it is made is logged and shown; the dialog stays usable.
    void failingReport() {
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.fail = true;
        preview.regenerate();
        QVERIFY(preview.isReady());
        QCOMPARE(preview.errorText(), QString("Error while printing report. Frame exploded."));
        parts->dialogs.fileNames << m_dir.filePath("failed.pdf");
        QVERIFY(!preview.writePdf());
        QCOMPARE(parts->dialogs.message,
                 QString("Cannot print report. | Error while printing report. Frame exploded."));
        QVERIFY(!QFile::exists(m_dir.filePath("failed.pdf")));
        parts->dialogs.exports << qMakePair(m_dir.filePath("failed.png"), QString("Png file (*.png)"));
        QVERIFY(!preview.exportCurrentPage());
        QVERIFY(!QFile::exists(m_dir.filePath("failed.png")));
        QVERIFY(preview.isReady());
        preview.fail = false;
        preview.regenerate();
        QVERIFY(preview.errorText().isEmpty());
        QVERIFY(preview.pageCount() > 0);
    }

    // Page setup changes the preview's paper; a refresh asked for while painting runs afterwards.
    void pageSetupAndReentry() {
        auto parts = Preview::open(FlatRoof);
        Preview preview(*parts);
        preview.regenerate();
        parts->dialogs.pageSetupLandscape = true;
        const int paints = preview.paintCount();
        preview.child<QPushButton>("pushButtonPageSetup")->click();
        QCOMPARE(preview.printer().pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(preview.paintCount(), paints + 1);

        // a change of the project while the report is painted waits for the painting to end
        bool asked = false;
        connect(&preview, &ReportPreview::progress, &preview, [&](int value) {
            if (value == 3 && !asked) {
                asked = true;
                preview.regenerate();
            }
        });
        preview.regenerate();
        QVERIFY(asked);
        QCOMPARE(preview.paintCount(), paints + 2);
        QTRY_COMPARE(preview.paintCount(), paints + 3);
        QVERIFY(preview.isReady());
    }
};

QTEST_MAIN(tst_ReportPreview)
#include "tst_ReportPreview.moc"
