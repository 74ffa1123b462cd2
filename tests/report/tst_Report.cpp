// SPDX-License-Identifier: GPL-3.0-or-later
// Pagination of the report: frames placed on pages, page ranges, and a whole report laid out and
// printed on a PDF writer.
#include <QtTest>

#include "NearlyEqual.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "Document.h"
#include "FooterFrame.h"
#include "Report.h"
#include "ReportFrameBase.h"
#include "ReportFrameProjectInfo.h"
#include "ReportPagination.h"
#include "ZMT_MessageHandler.h"

using Heights = QVector<double>;
using Ints = QVector<int>;
Q_DECLARE_METATYPE(Heights)
Q_DECLARE_METATYPE(Ints)

namespace {

// An A4 PDF with 20 mm margins, written into memory.
struct PdfPage {
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    explicit PdfPage(int dpi = 300) {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(dpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    }
};

Document example(const QString &name) {
    Document document;
    QString error;
    if (!document.readFile(QStringLiteral(TAVO_EXAMPLES_DIR "/") + name, error))
        qFatal("%s", qPrintable(error));
    document.recalculate();
    return document;
}

// Every frame of the report activated, or the given ones.
ReportSettings frames(const Ints &active = {}) {
    ReportSettings settings;
    settings.m_activatedFrames.clear();
    for (int i = 0; i < Report::FrameCount; ++i)
        if (active.isEmpty() || active.contains(i))
            settings.m_activatedFrames.insert(i);
    return settings;
}

class RecordingHandler : public ZMT::MessageHandler {
public:
    void message(const std::string &text, int type, const std::string &location, int) override {
        m_messages << QString::fromStdString(location + ": " + text + " (" + std::to_string(type) + ")");
    }
    QStringList m_messages;
};

} // namespace

class tst_Report : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ZMT::messageHandler()->setConsoleVerbosityLevel(0); }

    void pagination_data() {
        QTest::addColumn<Heights>("heights"); // body 1000 high
        QTest::addColumn<Ints>("pages");
        QTest::addColumn<Heights>("tops");
        QTest::addColumn<Heights>("scales");
        QTest::newRow("all on one page")
            << Heights{100, 200, 300} << Ints{1, 1, 1} << Heights{50, 150, 350} << Heights{1, 1, 1};
        QTest::newRow("exactly full") << Heights{500, 500} << Ints{1, 1} << Heights{50, 550} << Heights{1, 1};
        QTest::newRow("a frame moves whole to the next page")
            << Heights{600, 500, 400} << Ints{1, 2, 2} << Heights{50, 50, 550} << Heights{1, 1, 1};
        QTest::newRow("taller than a page, first: page 1 keeps it, shrunk")
            << Heights{2500, 100} << Ints{1, 2} << Heights{50, 50} << Heights{0.4, 1};
        QTest::newRow("taller than a page after others: a page of its own")
            << Heights{300, 1250, 100} << Ints{1, 2, 3} << Heights{50, 50, 50} << Heights{1, 0.8, 1};
        QTest::newRow("a frame without height starts no page")
            << Heights{1000, 0, 10} << Ints{1, 1, 2} << Heights{50, 1050, 50} << Heights{1, 1, 1};
    }

    void pagination() {
        QFETCH(Heights, heights);
        QFETCH(Ints, pages);
        QFETCH(Heights, tops);
        QFETCH(Heights, scales);
        ReportPagination pagination(800, 1100, 50, 50);
        QCOMPARE(pagination.bodyRect(), QRectF(0, 50, 800, 1000));
        for (int i = 0; i < heights.size(); ++i) {
            const ReportPagination::Placement p = pagination.place(800, heights[i]);
            QCOMPARE(p.page, pages[i]);
            VERIFY_NEAR(p.rect.top(), tops[i], 1e-9);
            VERIFY_NEAR(p.scale, scales[i], 1e-12);
            VERIFY_NEAR(p.rect.height(), heights[i] * scales[i], 1e-9);
            VERIFY_NEAR(p.rect.width(), 800 * scales[i], 1e-9);
            QVERIFY(p.rect.bottom() <= pagination.bodyRect().bottom() + 1e-9);
        }
        QCOMPARE(pagination.pageCount(), pages.last());
    }

    void pageRange_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("0/0 is all") << 0 << 0 << 3 << 1 << 3;
        QTest::newRow("from 2 to the end") << 2 << 0 << 3 << 2 << 3;
        QTest::newRow("up to 2") << 0 << 2 << 3 << 1 << 2;
        QTest::newRow("beyond the last page: the last page") << 4 << 0 << 3 << 3 << 3;
        QTest::newRow("range reaching beyond") << 2 << 7 << 3 << 2 << 3;
        QTest::newRow("backwards") << 3 << 1 << 3 << 1 << 3;
        QTest::newRow("no pages") << 0 << 0 << 0 << 1 << 0;
    }

    void pageRange() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, count);
        const std::pair<int, int> range = ReportPagination::pageRange(from, to, count);
        QTEST(range.first, "first");
        QTEST(range.second, "last");
    }

    // A whole report: header at the top and footer at the bottom of the printable area, every body
    // frame inside the body of its page, none overlapping another, pages in frame order.
    void wholeReport_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("extraLayers"); // copies of the first layer added, to overflow a page
        QTest::newRow("condensation zone") << "interior-insulation-brick-wall.t2p" << 0;
        QTest::newRow("no condensation") << "brick-wall-etics.t2p" << 0;
        QTest::newRow("results table taller than a page") << "brick-wall-etics.t2p" << 40;
    }

    void wholeReport() {
        QFETCH(QString, file);
        QFETCH(int, extraLayers);
        Document document = example(file);
        for (int i = 0; i < extraLayers; ++i) {
            MaterialLayer layer = document.inputData().layers().first();
            layer.setWidth(0.001);
            document.inputData().layers().append(layer);
        }
        document.recalculate();
        PdfPage pdf;
        Report report;
        report.setData(document.inputData(), document.results(), document.projectInformation());
        report.setSettings(frames());
        report.layout(pdf.writer);

        const double mm = report.pixelsPerMillimetre();
        VERIFY_NEAR(report.pageSize().width() / mm, 170.0, 0.5);
        VERIFY_NEAR(report.pageSize().height() / mm, 257.0, 0.5);
        const QRectF header = report.frameRect(Report::HeaderFrameIndex);
        const QRectF footer = report.frameRect(Report::FooterFrameIndex);
        const QRectF body = report.bodyRect();
        QCOMPARE(header.top(), 0.0);
        VERIFY_NEAR(footer.bottom(), double(report.pageSize().height()), 1e-9);
        VERIFY_NEAR(body.top(), header.bottom(), 1e-9);
        VERIFY_NEAR(body.bottom(), footer.top(), 1e-9);

        int previousPage = 1;
        QRectF previous;
        bool shrunk = false;
        for (int i = Report::ProjectInfoFrameIndex; i < Report::FrameCount; ++i) {
            const QRectF r = report.frameRect(i);
            const int page = report.framePage(i);
            QVERIFY2(page == previousPage || page == previousPage + 1, qPrintable(QString::number(i)));
            QVERIFY2(r.top() >= body.top() - 1e-9 && r.bottom() <= body.bottom() + 1e-6,
                     qPrintable(QString::number(i)));
            if (page == previousPage && !previous.isNull())
                QVERIFY2(r.top() >= previous.bottom() - 1e-9, qPrintable(QString::number(i)));
            if (report.frameScale(i) < 1) {
                shrunk = true;
                VERIFY_NEAR(r.height(), body.height(), 1e-6); // a page of its own
            }
            previousPage = page;
            previous = r;
        }
        QCOMPARE(report.framePage(Report::ProjectInfoFrameIndex), 1);
        QCOMPARE(shrunk, extraLayers > 0);
        QCOMPARE(report.pageCount(), previousPage);
        QVERIFY(report.frame(Report::ResultsTableFrameIndex).frameRect().height() > body.height() ||
                extraLayers == 0);
    }

    // Printing 0/0 paints every page once, a range only its pages, one beyond the end the last;
    // the footer (frame 1) is painted on every page, even when switched off.
    void printRange_data() {
        QTest::addColumn<bool>("footer");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("painted"); // -1: all pages
        QTest::newRow("all pages") << true << 0 << 0 << -1;
        QTest::newRow("all pages, footer off") << false << 0 << 0 << -1;
        QTest::newRow("page 2 only") << true << 2 << 2 << 1;
        QTest::newRow("from beyond the end") << true << 99 << 0 << 1;
    }

    void printRange() {
        QFETCH(bool, footer);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, painted);
        const Document document = example("interior-insulation-brick-wall.t2p");
        PdfPage pdf(150);
        Report report;
        report.setData(document.inputData(), document.results(), document.projectInformation());
        ReportSettings settings = frames();
        settings.m_pageNumbersVisible = true;
        settings.setActivated(Report::FooterFrameIndex, footer);
        report.setSettings(settings);
        int footers = 0;
        int measured = 0;
        connect(&report, &Report::progress, this, [&](int value) {
            footers += value == Report::FooterFrameIndex + 15;
            measured += value >= 3 && value <= 14;
        });
        QVERIFY(report.print(pdf.writer, from, to));
        QVERIFY(report.pageCount() >= 3);
        QCOMPARE(measured, Report::FrameCount - 2);
        QCOMPARE(footers, painted < 0 ? report.pageCount() : painted);
        QVERIFY(pdf.buffer.data().startsWith("%PDF") && pdf.buffer.data().trimmed().endsWith("%%EOF"));
        const QRectF r = report.frameRect(Report::FooterFrameIndex);
        QCOMPARE(r.height() > 0, footer);
        VERIFY_NEAR(report.bodyRect().bottom(), r.top(), 1e-9);
        const auto &footerFrame = static_cast<const FooterFrame &>(report.frame(Report::FooterFrameIndex));
        QCOMPARE(footerFrame.rightText(2, 3), QString("Page 2 of 3"));
    }

    // The user's logo in the header or beside the project information: its natural size (or the
    // size chosen in millimetres), never larger than a third of the page width.
    void userLogo_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QSize>("pixels"); // of a 96 dpi image
        QTest::addColumn<int>("sizeMM");   // width chosen in the settings, 0: natural
        QTest::addColumn<double>("widthMM");
        QTest::newRow("header, natural size") << 1 << QSize(192, 96) << 0 << 192 * 25.4 / 96;
        QTest::newRow("header, 30 mm wide") << 1 << QSize(192, 96) << 30 << 30.0;
        QTest::newRow("beside the project, natural size") << 2 << QSize(192, 96) << 0 << 192 * 25.4 / 96;
        QTest::newRow("huge image: a third of the page") << 2 << QSize(6000, 3000) << 0 << 170 / 3.0;
        QTest::newRow("no logo") << 0 << QSize(192, 96) << 0 << 0.0;
    }

    void userLogo() {
        QFETCH(int, position);
        QFETCH(QSize, pixels);
        QFETCH(int, sizeMM);
        QFETCH(double, widthMM);
        QTemporaryDir dir;
        QImage logo(pixels, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        logo.setDotsPerMeterX(qRound(96 / 0.0254));
        logo.setDotsPerMeterY(qRound(96 / 0.0254));
        QVERIFY(logo.save(dir.filePath("logo.png")));
        const Document document = example("brick-wall-etics.t2p");
        Report report;
        report.setData(document.inputData(), document.results(), document.projectInformation());
        ReportSettings settings = frames({0, 1, 2});
        settings.m_userLogo.m_position = position;
        settings.m_userLogo.m_path = dir.filePath("logo.png");
        settings.m_userLogo.m_size = sizeMM;
        report.setSettings(settings);
        PdfPage pdf;
        report.layout(pdf.writer);
        const double mm = report.pixelsPerMillimetre();
        QSizeF size = report.userLogoSize(QSizeF(report.pageSize().width() / 3.0, 1e9));
        QCOMPARE(size.isEmpty(), position == 0);
        if (position == 0)
            size = QSizeF(0, 0);
        VERIFY_NEAR(size.width() / mm, widthMM, 0.2); // the page width is whole pixels
        VERIFY_NEAR(size.height() * pixels.width(), size.width() * pixels.height(),
                    1e-6 * size.width() * 6000);
        const double header = report.frameRect(Report::HeaderFrameIndex).height();
        const double logoHeight = position == 1 ? size.height() : 0;
        QVERIFY(header > logoHeight && header < logoHeight + 15 * mm);
        const auto &table =
            static_cast<const ReportFrameProjectInfo &>(report.frame(Report::ProjectInfoFrameIndex)).table();
        QCOMPARE(table.size().width() == report.pageSize().width(), position != 2);
        QVERIFY(position != 2 || table.size().width() + size.width() <= report.pageSize().width());
        QVERIFY(report.frameRect(Report::ProjectInfoFrameIndex).height() >
                (position == 2 ? size.height() : 0));
    }

    // A page printed on its own (image export) and a missing font family: logged, report goes on.
    void printPageAndMissingFont() {
        RecordingHandler handler;
        ZMT::setMessageHandler(&handler);
        Report report(QStringLiteral("No Such Font Family 4711"));
        ZMT::restoreDefaultMessageHandler();
        QCOMPARE(handler.m_messages.size(), 1);
        QVERIFY(handler.m_messages.first().startsWith(
            "Report::Report: Font family for default font doesn't exist. 'No Such Font Family 4711"));
        const Document document = example("timber-frame-wall-vapour-retarder.t2p");
        report.setData(document.inputData(), document.results(), document.projectInformation());
        report.setSettings(ReportSettings());
        QImage image(794, 1123, QImage::Format_ARGB32);
        image.fill(Qt::white);
        report.printPage(image, 1);
        QVERIFY(report.pageCount() >= 1);
        // Something was painted in the body, nothing below the printable area's end.
        QVERIFY(image.pixel(image.width() / 2, 0) == QColor(Qt::white).rgb());
        int dark = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                dark += qGray(image.pixel(x, y)) < 128;
        QVERIFY(dark > 100);
    }
};

QTEST_MAIN(tst_Report)
#include "tst_Report.moc"
