// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "NearlyEqual.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextDocument>

#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"
#include "VaDar_TextFrameInformations.h"
#include "ZMT_Exception.h"
#include "ZMT_MessageHandler.h"

using VaDar::Table;
using Widths = std::vector<double>;
Q_DECLARE_METATYPE(Widths)

namespace {

/*! White image with the given resolution, so a table sees it as a paint device of that dpi. */
QImage image(int width, int height, int dpi) {
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    return img;
}

double screenDpi() {
    return QGuiApplication::primaryScreen()->logicalDotsPerInch();
}

/*! Keeps the messages (text, type) and stays quiet on the console. */
class RecordingHandler : public ZMT::MessageHandler {
public:
    void message(const std::string &text, int type, const std::string &, int) override {
        m_messages.emplace_back(text, type);
    }
    std::vector<std::pair<std::string, int>> m_messages;
};

} // namespace

class tst_VaDar_Table : public QObject {
    Q_OBJECT
    RecordingHandler m_handler;

private slots:
    void initTestCase() { ZMT::setMessageHandler(&m_handler); }
    void cleanupTestCase() { ZMT::restoreDefaultMessageHandler(); }

    // Programming errors throw and reach the log, even if nobody catches the exception.
    void assertionsThrowAndLog() {
        m_handler.m_messages.clear();
        Table t;
        t.setTableSize(2, 2);
        QVERIFY_EXCEPTION_THROWN(t.setCellText(2, 0, "x"), ZMT::Exception);
        QVERIFY_EXCEPTION_THROWN(t.mergeCells(0, 0, 1, 1), ZMT::Exception);
        QVERIFY_EXCEPTION_THROWN(t.paint(nullptr, QPointF()), ZMT::Exception);
        t.setMargin(60);
        t.setTableWidth(100);
        QImage img = image(10, 10, 96);
        QVERIFY_EXCEPTION_THROWN(t.adjust(&img), ZMT::Exception); // the margins leave no width
        QCOMPARE(m_handler.m_messages.size(), std::size_t(4));
        QCOMPARE(m_handler.m_messages[1].second, int(ZMT::MSG_ERROR));
        QCOMPARE(m_handler.m_messages[1].first, std::string("Assertion failed: numCols > 1 || numRows > 1"));
    }

    void overflowCapsOnlyWidestColumns_data() {
        QTest::addColumn<Widths>("desired");
        QTest::addColumn<int>("tableWidth");
        QTest::addColumn<Widths>("expected");
        QTest::newRow("fits: fixed widths kept") << Widths{100, 50} << 300 << Widths{100, 50};
        QTest::newRow("one wide column capped") << Widths{600, 50, 40} << 400 << Widths{310, 50, 40};
        QTest::newRow("two widest, in the middle") << Widths{100, 300, 200} << 450 << Widths{100, 175, 175};
        QTest::newRow("cap reaches the third") << Widths{300, 250, 240} << 710 << Widths(3, 710 / 3.0);
        QTest::newRow("all equal") << Widths{200, 200, 200} << 300 << Widths{100, 100, 100};
        QTest::newRow("single column") << Widths{500} << 300 << Widths{300};
    }

    void overflowCapsOnlyWidestColumns() {
        QFETCH(Widths, desired);
        QFETCH(int, tableWidth);
        QFETCH(Widths, expected);
        Table t;
        t.setTableSize(static_cast<unsigned int>(desired.size()), 1);
        for (unsigned int c = 0; c < desired.size(); ++c)
            t.setColumnWidthMode(c, Table::FixedSize, desired[c]);
        t.setTableWidth(tableWidth);
        QImage img = image(800, 200, 96);
        t.adjust(&img);
        for (unsigned int c = 0; c < desired.size(); ++c)
            VERIFY_NEAR(t.columnWidth(c), expected[c], 1e-9);
    }

    void textColumnGivesWaySpareWidthIsShared() {
        // Two short columns keep their text width; only the long text column gives way and wraps.
        QImage img = image(800, 400, 96);
        Table t;
        t.setTableSize(3, 1);
        t.setSpacing(1);
        t.setCellText(0, 0,
                      "A long description that certainly needs far more room than the table offers, so that "
                      "it has to be broken into several lines");
        t.setCellText(1, 0, "12.345");
        t.setCellText(2, 0, "m<sup>2</sup>K/W");
        t.setTableWidth(300);
        t.adjust(&img);
        auto want = [&t](int c) { return t.cell(c, 0).textInfo().unconstrained().width + 2 * t.scale(); };
        const double w1 = want(1), w2 = want(2);
        VERIFY_NEAR(t.columnWidth(1), w1, 1e-9);
        VERIFY_NEAR(t.columnWidth(2), w2, 1e-9);
        VERIFY_NEAR(t.columnWidth(0), 300 - w1 - w2, 1e-9);
        QVERIFY(t.rowHeight(0) > 2.5 * t.cell(1, 0).textInfo().unconstrained().height);
        // With a short text the spare width goes to the stretching columns, not the content-sized one.
        t.setCellText(0, 0, "a");
        t.setColumnWidthMode(0, Table::ContentSize);
        t.setColumnWidthMode(2, Table::StretchSize);
        t.setTableWidth(600);
        t.adjust(&img);
        const double share = (600 - want(0) - w1 - w2) / 2;
        QVERIFY2(t.columnWidth(0) < 20, "the new text was not measured");
        VERIFY_NEAR(t.columnWidth(0), want(0), 1e-9);
        VERIFY_NEAR(t.columnWidth(1), w1 + share, 1e-9);
        VERIFY_NEAR(t.columnWidth(2), w2 + share, 1e-9);
        QCOMPARE(t.size().width(), 600);
    }

    // With lines, the widest text of a content-sized column still fits inside borders, spacing and
    // margins (it is not clipped), and a number spanning two rows widens its column like a cell.
    void bordersAndOneColumnRegions_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("96 dpi") << 96;
        QTest::newRow("1200 dpi") << 1200;
    }
    void bordersAndOneColumnRegions() {
        QFETCH(int, dpi);
        QImage img = image(4000, 2000, dpi);
        Table t;
        t.setTableSize(3, 3);
        t.setInnerFrameWidth(0.7);
        t.setOuterFrameWidth(1.5);
        t.setSpacing(1);
        for (unsigned int c = 0; c < 3; ++c)
            for (unsigned int r = 0; r < 3; ++r)
                t.setCellMargins(c, r, 3, 3, 1, 1);
        t.setCellText(0, 0, "Layer");
        t.setCellText(0, 1, "128.8");
        QVERIFY(t.mergeCells(0, 1, 1, 2));
        t.setCellText(1, 0, "1864.8");
        t.setCellText(1, 1, "-4.4");
        t.setCellText(2, 0, "Wide header across two columns");
        QVERIFY(t.mergeCells(1, 2, 2, 1));
        t.setCellText(1, 2, "A merged text far wider than any of its two columns put together");
        t.setColumnWidthMode(0, Table::ContentSize);
        t.setColumnWidthMode(1, Table::ContentSize);
        t.setTableWidth(qRound(800 * dpi / screenDpi()));
        t.adjust(&img);
        for (unsigned int c = 0; c < 2; ++c)
            for (unsigned int r = 0; r < 2; ++r)
                QVERIFY2(t.textRect(c, r).width() <= t.innerRect(c, r).width() + 1e-6 &&
                             t.textRect(c, r).height() <= t.innerRect(c, r).height() + 1e-6,
                         qPrintable(t.cell(c, r).text()));
        QVERIFY(t.cell(0, 1).textInfo().unconstrained().width >
                t.cell(0, 0).textInfo().unconstrained().width);
        // The region across columns widens neither: column 1 is as wide as its own widest cell.
        const double padding = (2 * 1 + 3 + 3 + 0.7 + 0.7) * t.scale();
        VERIFY_NEAR(t.columnWidth(0), t.cell(0, 1).textInfo().unconstrained().width + padding, 1e-9);
        VERIFY_NEAR(t.columnWidth(1), t.cell(1, 0).textInfo().unconstrained().width + padding, 1e-9);
    }

    void rowsAndMergedRegion_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("96 dpi") << 96;
        QTest::newRow("300 dpi") << 300;
    }

    // Laid out like the results summary: no lines, rows with margins 3 and 3, one text spanning
    // all columns; then rows of fixed height, of two lines and of vertical text.
    void rowsAndMergedRegion() {
        QFETCH(int, dpi);
        QImage img = image(2000, 1000, dpi);
        Table t;
        t.setTableSize(3, 6);
        for (unsigned int r = 0; r < 5; ++r)
            t.setCellText(0, r, "Construction thickness");
        t.setCellText(1, 4, "first<br/>second");
        t.setRowMargins(1, 3, 3);
        t.setRowMargins(2, 3, 3);
        t.setCellText(0, 2, "Thermal transmission coefficient of the construction");
        QVERIFY(t.mergeCells(0, 2, 3, 1));
        t.setRowHeightMode(3, Table::FixedSize, 50);
        t.setCellText(2, 5, "Vertical heading");
        t.setCellVertical(2, 5, true);
        t.setTableWidth(qRound(600 * dpi / screenDpi()));
        t.adjust(&img);
        const double s = t.scale(), line = t.rowHeight(0);
        VERIFY_NEAR(t.rowHeight(1), line + 6 * s, 1e-9);
        VERIFY_NEAR(t.textRect(0, 1).top() - t.cellRect(0, 1).top(), 3 * s, 1e-9);
        // The merged text starts at the top of the region, and every cell of it reports the region.
        VERIFY_NEAR(t.textRect(0, 2).top() - t.cellRect(0, 2).top(), 0.0, 1e-9);
        VERIFY_NEAR(t.cellRect(2, 2).width(), double(t.size().width()), 1e-6);
        QCOMPARE(t.textRect(1, 2), t.textRect(0, 2));
        VERIFY_NEAR(t.rowHeight(3), 50.0, 1e-9);
        VERIFY_NEAR(t.rowHeight(4), 2 * line, 0.05 * line);
        // Vertical text swaps its extents.
        const VaDar_TextFrameInformations::Info &vertical = t.cell(2, 5).textInfo().unconstrained();
        QVERIFY(vertical.width > 2 * vertical.height);
        VERIFY_NEAR(t.rowHeight(5), vertical.width, 1e-6);
        VERIFY_NEAR(t.textRect(2, 5).width(), vertical.height, 1e-6);
        VERIFY_NEAR(t.textRect(2, 5).height(), vertical.width, 1e-6);
        // Rows stack without gaps and the table height covers them all.
        VERIFY_NEAR(t.cellRect(0, 4).top(), 2 * line + 6 * s + t.rowHeight(2) + 50, 1e-9);
        QCOMPARE(t.size().height(), qCeil(t.cellRect(1, 5).bottom() - 1e-9));
    }

    void wrappedTextStaysInItsRow_data() {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("alignment");
        for (int size : {8, 9, 10, 11, 12}) {
            QTest::addRow("%d pt, left", size) << size << int(Qt::AlignLeft);
            QTest::addRow("%d pt, right", size) << size << int(Qt::AlignRight);
        }
    }

    // A wrapped text is drawn in the lines it was measured in: the width of its widest line is no
    // width to lay it out again at, where a line can lose its last word and run into the next row.
    void wrappedTextStaysInItsRow() {
        QFETCH(int, pointSize);
        QFETCH(int, alignment);
        QImage img = image(400, 200, 96);
        int wrapped = 0;
        for (int width = 90; width <= 330; ++width) {
            img.fill(Qt::white);
            Table t;
            t.setTableSize(2, 2);
            t.setTableWidth(width);
            t.setDefaultFont(QFont("DejaVu Sans", pointSize));
            t.setColumnWidthMode(1, Table::FixedSize, 10);
            t.setCellMargins(0, 0, 20, -1, -1, -1);
            t.setCellText(0, 0, "Condensation mass after condensation period");
            t.setCellAlignment(0, 0, Qt::Alignment(alignment) | Qt::AlignTop);
            t.adjust(&img);
            if (t.rowHeight(0) > 1.5 * t.cell(0, 0).textInfo().unconstrained().height)
                ++wrapped;
            QPainter painter(&img);
            t.paint(&painter, QPointF(0, 0));
            painter.end();
            // No ink below the row, nor right of the text's cell.
            const QRectF cell = t.cellRect(0, 0);
            QPoint ink(-1, -1);
            for (int y = 0; y < img.height() && ink.x() < 0; ++y)
                for (int x = 0; x < img.width() && ink.x() < 0; ++x)
                    if ((y > cell.bottom() + 1 || x > cell.right() + 1) && qGray(img.pixel(x, y)) < 128)
                        ink = QPoint(x, y);
            QVERIFY2(ink.x() < 0,
                     qPrintable(QString("width %1: ink at %2,%3").arg(width).arg(ink.x()).arg(ink.y())));
        }
        QVERIFY(wrapped > 100);
    }

    // A table printed through a 600 dpi PDF writer keeps the proportions it has on screen.
    void deviceScaling() {
        const int dpi = 600;
        QTemporaryDir dir;
        QPdfWriter writer(dir.filePath("scaled.pdf"));
        writer.setResolution(dpi);
        QImage screen = image(1000, 1000, 96);
        Table tables[2];
        for (Table &t : tables) {
            t.setTableSize(2, 2);
            t.setMargin(5);
            t.setSpacing(2);
            t.setInnerFrameWidth(1);
            t.setOuterFrameWidth(1.5);
            for (unsigned int r = 0; r < 2; ++r) {
                t.setRowMargins(r, 3, 3);
                t.setCellText(0, r, "Temperature");
                t.setCellText(1, r, "<h4>&theta;<br/>[&deg;C]</h4>");
            }
            t.setCellMargins(0, 0, 10, -1, -1, -1);
            t.setTableWidth(&t == tables ? 400 : qRound(400 * dpi / 96.0));
            t.adjust(&t == tables ? static_cast<QPaintDevice *>(&screen) : &writer);
        }
        const Table &printed = tables[1];
        const double s = printed.scale(), ratio = s / tables[0].scale();
        VERIFY_NEAR(s, dpi / screenDpi(), 1e-9);
        // Screen-pixel sizes scale exactly: margin, border + spacing + cell margin.
        VERIFY_NEAR(printed.cellRect(0, 0).left(), 5 * s, 1e-9);
        VERIFY_NEAR(printed.innerRect(0, 0).left() - printed.cellRect(0, 0).left(), (1 + 2 + 10) * s, 1e-9);
        VERIFY_NEAR(printed.innerRect(1, 1).top() - printed.cellRect(1, 1).top(), (1 + 2 + 3) * s, 1e-9);
        // Text follows the device resolution too, so the whole table keeps its proportions.
        for (unsigned int i = 0; i < 2; ++i) {
            VERIFY_NEAR(printed.rowHeight(i) / tables[0].rowHeight(i), ratio, 0.08 * ratio);
            VERIFY_NEAR(printed.columnWidth(i) / tables[0].columnWidth(i), ratio, 0.08 * ratio);
        }
    }

    void emptyTextFrame() {
        QImage img = image(200, 100, 96);
        const QImage blank = img;
        VaDar::TextFrame frame;
        frame.setText("Title");
        QCOMPARE(frame.frameRect(nullptr, 150), QRectF()); // no paint device
        frame.setText(QString());
        QCOMPARE(frame.frameRect(&img, 150), QRectF());
        // Drawing an empty text paints nothing, not even the background.
        frame.setBackgroundColor(Qt::black);
        QPainter painter(&img);
        frame.drawFrame(&painter, QPointF(), 150);
        painter.end();
        QCOMPARE(img, blank);
    }

    void breakpointRecords() {
        QImage img = image(100, 100, 96);
        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(&img);
        VaDar_TextFrameInformations info;
        const QString text = "Thermal transmission coefficient of the construction";
        info.measure(&doc, text, true);
        // Looking a width up gives the height of laying the text out at that width.
        for (int w = 10; w < qCeil(info.infos().front().width) + 20; w += 3) {
            VaDar_TextFrameInformations::layoutText(&doc, text, w);
            const double direct = doc.size().height();
            VERIFY_NEAR(info.layoutSize(&doc, w).height(), direct, 1e-9);
        }
    }
};

QTEST_MAIN(tst_VaDar_Table)
#include "tst_VaDar_Table.moc"
