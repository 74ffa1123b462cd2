#include <QtTest>

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <functional>

#include "VaDarTestHelpers.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrameInformations.h"
#include "ZMT_Exception.h"

using VaDar::Table;
using namespace VaDarTest;

using TableAction = std::function<void()>;
Q_DECLARE_METATYPE(TableAction)
Q_DECLARE_METATYPE(std::vector<double>)

namespace {

const QString LongText =
    QStringLiteral("A long description that certainly needs far more room than the table "
                   "offers, so that it has to be broken into several lines");

bool near(double a, double b, double tolerance) {
    return qAbs(a - b) <= tolerance;
}

#define VERIFY_NEAR(actual, expected, tolerance)                                                             \
    QVERIFY2(near((actual), (expected), (tolerance)),                                                        \
             qPrintable(QStringLiteral("%1 = %2, expected %3 +- %4")                                         \
                            .arg(QStringLiteral(#actual))                                                    \
                            .arg(actual, 0, 'g', 10)                                                         \
                            .arg(expected, 0, 'g', 10)                                                       \
                            .arg(tolerance)))

} // namespace

class tst_VaDar_Table : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void assertions_data();
    void assertions();
    void overflowCapsOnlyWidestColumns_data();
    void overflowCapsOnlyWidestColumns();
    void overflowCapsTextColumn();
    void spareWidthFillsTable();
    void layoutFollowsChangesAndDevice();
    void rowHeights_data();
    void rowHeights();
    void mergedRegionOffset_data();
    void mergedRegionOffset();
    void mergedTextNeitherWidensNorSpills();
    void mergeRejectsOverlapAndHidesInnerBorders();
    void verticalTextSwapsExtents();
    void deviceScaling_data();
    void deviceScaling();
    void borderWidthScalesWithDevice_data();
    void borderWidthScalesWithDevice();
    void paintsCellsIntoImage();
    void emptyTablePaintsNothing();

private:
    RecordingHandler m_handler;
};

void tst_VaDar_Table::initTestCase() {
    ZMT::setMessageHandler(&m_handler);
}

void tst_VaDar_Table::cleanupTestCase() {
    ZMT::restoreDefaultMessageHandler();
}

void tst_VaDar_Table::assertions_data() {
    QTest::addColumn<TableAction>("action");
    QTest::addColumn<QString>("condition");
    QTest::newRow("column out of range") << TableAction([] {
        Table t;
        t.setTableSize(2, 2);
        t.setCellText(2, 0, "x");
    }) << "col < m_cols";
    QTest::newRow("row out of range") << TableAction([] {
        Table t;
        t.setTableSize(2, 2);
        t.cell(0, 2);
    }) << "row < m_rows";
    QTest::newRow("negative row index") << TableAction([] {
        Table t;
        t.setTableSize(2, 2);
        t.setRowMargins(static_cast<unsigned int>(-1), 1, 1);
    }) << "row < m_rows";
    QTest::newRow("merge of one cell") << TableAction([] {
        Table t;
        t.setTableSize(2, 2);
        t.mergeCells(0, 0, 1, 1);
    }) << "numCols > 1 || numRows > 1";
    QTest::newRow("negative outer frame") << TableAction([] {
        Table t;
        t.setOuterFrameWidth(-1);
    }) << "width >= 0";
    QTest::newRow("negative inner frame") << TableAction([] {
        Table t;
        t.setInnerFrameWidth(-0.5);
    }) << "width >= 0";
    QTest::newRow("null painter") << TableAction([] {
        Table t;
        t.setTableSize(1, 1);
        t.paint(nullptr, QPointF());
    }) << "painter != nullptr";
    QTest::newRow("margins eat the width") << TableAction([] {
        Table t;
        t.setTableSize(1, 1);
        t.setMargin(60);
        t.setTableWidth(100);
        QImage img = image(10, 10, 96);
        t.adjust(&img);
    }) << "tablewidth > 0";
    QTest::newRow("lookup without measurement") << TableAction([] {
        VaDar_TextFrameInformations info;
        info.info(100);
    }) << "m_infoVect.front().isValid()";
}

void tst_VaDar_Table::assertions() {
    QFETCH(TableAction, action);
    QFETCH(QString, condition);
    m_handler.m_messages.clear();
    try {
        action();
        QFAIL("no assertion raised");
    } catch (const ZMT::Exception &e) {
        QCOMPARE(QString::fromStdString(e.what()), condition);
    }
    // The broken condition must also reach the log, even if nobody catches the exception.
    QCOMPARE(m_handler.m_messages.size(), std::size_t(1));
    QCOMPARE(m_handler.m_messages[0].type, int(ZMT::MSG_ERROR));
    QCOMPARE(QString::fromStdString(m_handler.m_messages[0].text), "Assertion failed: " + condition);
}

void tst_VaDar_Table::overflowCapsOnlyWidestColumns_data() {
    QTest::addColumn<std::vector<double>>("desired");
    QTest::addColumn<int>("tableWidth");
    QTest::addColumn<std::vector<double>>("expected");
    QTest::newRow("fits: fixed widths kept")
        << std::vector<double>{100, 50} << 300 << std::vector<double>{100, 50};
    QTest::newRow("one wide column capped")
        << std::vector<double>{600, 50, 40} << 400 << std::vector<double>{310, 50, 40};
    QTest::newRow("two widest capped")
        << std::vector<double>{300, 200, 100} << 450 << std::vector<double>{175, 175, 100};
    QTest::newRow("widest in the middle")
        << std::vector<double>{100, 300, 200} << 450 << std::vector<double>{100, 175, 175};
    QTest::newRow("third column reached by the cap")
        << std::vector<double>{300, 250, 240} << 710 << std::vector<double>{710 / 3.0, 710 / 3.0, 710 / 3.0};
    QTest::newRow("all equal") << std::vector<double>{200, 200, 200} << 300
                               << std::vector<double>{100, 100, 100};
    QTest::newRow("single column") << std::vector<double>{500} << 300 << std::vector<double>{300};
}

void tst_VaDar_Table::overflowCapsOnlyWidestColumns() {
    QFETCH(std::vector<double>, desired);
    QFETCH(int, tableWidth);
    QFETCH(std::vector<double>, expected);
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

void tst_VaDar_Table::overflowCapsTextColumn() {
    // Two short columns keep their text width; only the long text column gives way and wraps.
    QImage img = image(800, 400, 96);
    Table t;
    t.setTableSize(3, 1);
    t.setSpacing(1);
    t.setCellText(0, 0, LongText);
    t.setCellText(1, 0, "12.345");
    t.setCellText(2, 0, "m<sup>2</sup>K/W");
    t.setTableWidth(300);
    t.adjust(&img);
    const double s = t.scale();
    const double w1 = t.cell(1, 0).textInfo().unconstrained().width + 2 * s;
    const double w2 = t.cell(2, 0).textInfo().unconstrained().width + 2 * s;
    QVERIFY(t.cell(0, 0).textInfo().unconstrained().width > 300);
    VERIFY_NEAR(t.columnWidth(1), w1, 1e-9);
    VERIFY_NEAR(t.columnWidth(2), w2, 1e-9);
    VERIFY_NEAR(t.columnWidth(0), 300 - w1 - w2, 1e-9);
    const double oneLine = t.cell(1, 0).textInfo().unconstrained().height;
    QVERIFY2(t.rowHeight(0) > 2.5 * oneLine,
             qPrintable(QString("row %1, line %2").arg(t.rowHeight(0)).arg(oneLine)));
    QVERIFY(t.cell(0, 0).textRect().width() <= t.cell(0, 0).innerRect().width() + 1e-6);
}

void tst_VaDar_Table::spareWidthFillsTable() {
    QImage img = image(800, 200, 96);
    Table t;
    t.setTableSize(3, 1);
    t.setCellText(0, 0, "a");
    t.setCellText(1, 0, "bb");
    t.setCellText(2, 0, "ccc");
    t.setColumnWidthMode(0, Table::ContentSize);
    t.setColumnWidthMode(2, Table::StretchSize);
    t.setTableWidth(600);
    t.adjust(&img);
    const double d0 = t.cell(0, 0).textInfo().unconstrained().width;
    const double d1 = t.cell(1, 0).textInfo().unconstrained().width;
    const double d2 = t.cell(2, 0).textInfo().unconstrained().width;
    const double share = (600 - d0 - d1 - d2) / 2;
    VERIFY_NEAR(t.columnWidth(0), d0, 1e-9);
    VERIFY_NEAR(t.columnWidth(1), d1 + share, 1e-9);
    VERIFY_NEAR(t.columnWidth(2), d2 + share, 1e-9);
    QCOMPARE(t.size().width(), 600);
}

void tst_VaDar_Table::layoutFollowsChangesAndDevice() {
    QImage screen = image(800, 200, 96);
    QImage print = image(800, 200, 300);
    Table t;
    t.setTableSize(2, 1);
    t.setColumnWidthMode(0, Table::ContentSize);
    t.setCellText(0, 0, "short");
    t.setTableWidth(700);
    t.adjust(&screen);
    const double before = t.columnWidth(0);
    t.setCellText(0, 0, "a somewhat longer text");
    t.adjust(&screen);
    const double longer = t.columnWidth(0);
    QVERIFY2(longer > 2 * before, qPrintable(QString("%1 -> %2").arg(before).arg(longer)));
    t.adjust(&print);
    VERIFY_NEAR(t.scale(), 300 / screenDpi(), 1e-9);
    QVERIFY2(t.columnWidth(0) > 2.5 * longer,
             qPrintable(QString("%1 -> %2").arg(longer).arg(t.columnWidth(0))));
}

void tst_VaDar_Table::rowHeights_data() {
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;
    QTest::newRow("300 dpi") << 300;
}

void tst_VaDar_Table::rowHeights() {
    QFETCH(int, dpi);
    QImage img = image(2000, 2000, dpi);
    Table t;
    t.setTableSize(2, 4);
    for (unsigned int r = 0; r < 4; ++r)
        t.setCellText(0, r, "Label");
    t.setRowMargins(1, 3, 3);
    t.setRowHeightMode(2, Table::FixedSize, 50);
    t.setCellText(1, 3, "first<br/>second");
    t.setTableWidth(400);
    t.adjust(&img);
    const double s = t.scale();
    VERIFY_NEAR(s, dpi / screenDpi(), 1e-9);
    const double line = t.rowHeight(0);
    VERIFY_NEAR(t.rowHeight(1), line + 6 * s, 1e-9);
    VERIFY_NEAR(t.rowHeight(2), 50.0, 1e-9);
    VERIFY_NEAR(t.rowHeight(3), 2 * line, 0.05 * line);
    // Rows stack without gaps and the table height covers them all.
    VERIFY_NEAR(t.cell(0, 3).cellRect().top(), 2 * line + 6 * s + 50, 1e-9);
    QCOMPARE(t.size().height(), qCeil(t.cell(1, 3).cellRect().bottom() - 1e-9));
}

void tst_VaDar_Table::mergedRegionOffset_data() {
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;
    QTest::newRow("300 dpi") << 300;
}

void tst_VaDar_Table::mergedRegionOffset() {
    // Laid out like the results summary: no lines, every row with margins 3 and 3, the
    // second row one text spanning all columns.
    QFETCH(int, dpi);
    QImage img = image(2000, 1000, dpi);
    Table t;
    t.setTableSize(3, 3);
    for (unsigned int r = 0; r < 3; ++r)
        t.setRowMargins(r, 3, 3);
    t.setCellText(0, 0, "Construction thickness");
    t.setCellText(1, 0, "0.365");
    t.setCellText(2, 0, "m");
    t.setCellText(0, 1, "Thermal transmission coefficient of the construction");
    QVERIFY(t.mergeCells(0, 1, 3, 1));
    t.setCellText(0, 2, "U-value");
    t.setTableWidth(qRound(600 * dpi / screenDpi()));
    t.adjust(&img);
    const double s = t.scale();
    const double plainOffset = t.textRect(0, 0).top() - t.cellRect(0, 0).top();
    const double mergedOffset = t.textRect(0, 1).top() - t.cellRect(0, 1).top();
    VERIFY_NEAR(plainOffset, 3 * s, 1e-9);
    VERIFY_NEAR(mergedOffset, 0.0, 1e-9);
    // The region's rectangle spans its columns and every cell of it reports the region.
    VERIFY_NEAR(t.cellRect(2, 1).width(), double(t.size().width()), 1e-6);
    QCOMPARE(t.textRect(1, 1), t.textRect(0, 1));
}

void tst_VaDar_Table::mergedTextNeitherWidensNorSpills() {
    QImage img = image(1000, 1000, 96);
    auto build = [&img](Table &t, const QString &mergedText) {
        t.setTableSize(2, 2);
        t.setColumnWidthMode(0, Table::ContentSize);
        t.setColumnWidthMode(1, Table::ContentSize);
        t.setRowMargins(1, 3, 3);
        t.setCellText(0, 0, "left");
        t.setCellText(1, 0, "right");
        t.setCellText(0, 1, mergedText);
        t.mergeCells(0, 1, 2, 1);
        t.setTableWidth(900);
        t.adjust(&img);
    };
    Table shortText;
    build(shortText, "x");
    Table longText;
    build(longText, LongText);
    VERIFY_NEAR(longText.columnWidth(0), shortText.columnWidth(0), 1e-9);
    VERIFY_NEAR(longText.columnWidth(1), shortText.columnWidth(1), 1e-9);
    // The narrow region wraps its text into several lines; its row grows so they stay inside.
    const QRectF text = longText.textRect(0, 1);
    const QRectF cell = longText.cellRect(0, 1);
    QVERIFY2(text.height() > 3 * longText.rowHeight(0), qPrintable(QString::number(text.height())));
    QVERIFY2(text.bottom() <= cell.bottom() - 6 * longText.scale() + 1e-6,
             qPrintable(QString("text bottom %1, cell bottom %2").arg(text.bottom()).arg(cell.bottom())));
}

void tst_VaDar_Table::mergeRejectsOverlapAndHidesInnerBorders() {
    QImage img = image(400, 400, 96);
    Table t;
    t.setTableSize(3, 2);
    t.setInnerFrameWidth(1);
    QVERIFY(t.mergeCells(0, 0, 2, 1));
    QVERIFY(!t.mergeCells(1, 0, 1, 2));
    QCOMPARE(t.mergedRegions().size(), std::size_t(1));
    QVERIFY(!t.cell(1, 1).isMerged());
    t.setTableWidth(300);
    t.adjust(&img);
    // No vertical line between the two merged cells in row 0; the one in row 1 remains.
    const double x = t.cell(1, 0).cellRect().left();
    double covered = 0;
    for (const Table::BorderLine &l : t.verticalLines()) {
        if (near(l.line.x1(), x, 1e-9)) {
            QVERIFY2(l.line.y1() >= t.cell(1, 1).cellRect().top() - 1e-9, "line inside the merged region");
            covered += l.line.length();
        }
    }
    VERIFY_NEAR(covered, t.rowHeight(1), 1e-9);
}

void tst_VaDar_Table::verticalTextSwapsExtents() {
    const QString text = QStringLiteral("Vertical heading");
    QImage img = image(600, 600, 96);
    auto build = [&](Table &t, bool vertical) {
        t.setTableSize(2, 1);
        t.setColumnWidthMode(0, Table::ContentSize);
        t.setCellText(0, 0, text);
        t.setCellVertical(0, 0, vertical);
        t.setCellText(1, 0, "x");
        t.setTableWidth(500);
        t.adjust(&img);
    };
    Table horizontal;
    build(horizontal, false);
    Table vertical;
    build(vertical, true);
    const double textWidth = horizontal.columnWidth(0);
    const double lineHeight = horizontal.rowHeight(0);
    QVERIFY(textWidth > 2 * lineHeight);
    VERIFY_NEAR(vertical.columnWidth(0), lineHeight, 1e-6);
    VERIFY_NEAR(vertical.rowHeight(0), textWidth, 1e-6);
    VERIFY_NEAR(vertical.textRect(0, 0).width(), lineHeight, 1e-6);
    VERIFY_NEAR(vertical.textRect(0, 0).height(), textWidth, 1e-6);

    // Painted rotated, the glyphs fill a tall and narrow band inside the cell.
    QPainter painter(&img);
    vertical.paint(&painter, QPointF(0, 0));
    painter.end();
    const QRect cell = vertical.cellRect(0, 0).toAlignedRect();
    QRect ink;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < cell.right() + 30 && x < img.width(); ++x) {
            if (isDark(img.pixel(x, y)) && x <= cell.right())
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(
        cell.contains(ink),
        qPrintable(QString("ink %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    QVERIFY2(ink.height() > 0.8 * textWidth && ink.width() < lineHeight + 1,
             qPrintable(QString("ink %1x%2").arg(ink.width()).arg(ink.height())));
}

void tst_VaDar_Table::deviceScaling_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("dpi");
    QTest::newRow("image 150 dpi") << "image" << 150;
    QTest::newRow("image 300 dpi") << "image" << 300;
    QTest::newRow("pdf writer 600 dpi") << "pdf" << 600;
}

void tst_VaDar_Table::deviceScaling() {
    QFETCH(QString, device);
    QFETCH(int, dpi);
    auto build = [](Table &t) {
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
    };
    QImage screenImage = image(1000, 1000, 96);
    Table onScreen;
    build(onScreen);
    onScreen.setTableWidth(400);
    onScreen.adjust(&screenImage);

    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("scaled.pdf"));
    pdf.setResolution(dpi);
    QImage printImage = image(10, 10, dpi);
    QPaintDevice *target = device == "pdf" ? static_cast<QPaintDevice *>(&pdf) : &printImage;
    QCOMPARE(target->logicalDpiX(), dpi);
    Table printed;
    build(printed);
    const double ratio = dpi / 96.0;
    printed.setTableWidth(qRound(400 * ratio));
    printed.adjust(target);

    const double s = printed.scale();
    VERIFY_NEAR(s, dpi / screenDpi(), 1e-9);
    // Screen-pixel sizes scale exactly: margin, border + spacing + cell margin.
    VERIFY_NEAR(printed.cell(0, 0).cellRect().left(), 5 * s, 1e-9);
    VERIFY_NEAR(printed.cell(0, 0).innerRect().left() - printed.cell(0, 0).cellRect().left(),
                (1 + 2 + 10) * s, 1e-9);
    VERIFY_NEAR(printed.cell(1, 1).innerRect().top() - printed.cell(1, 1).cellRect().top(), (1 + 2 + 3) * s,
                1e-9);
    // Text follows the device resolution too, so the whole table keeps its proportions.
    const double screenRatio = onScreen.scale();
    for (unsigned int r = 0; r < 2; ++r) {
        VERIFY_NEAR(printed.rowHeight(r) / onScreen.rowHeight(r), s / screenRatio, 0.08 * s / screenRatio);
        VERIFY_NEAR(printed.columnWidth(r) / onScreen.columnWidth(r), s / screenRatio,
                    0.08 * s / screenRatio);
    }
}

void tst_VaDar_Table::borderWidthScalesWithDevice_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("minDark");
    QTest::addColumn<int>("maxDark");
    QTest::newRow("96 dpi, 1 px") << 96 << 1 << 2;
    QTest::newRow("300 dpi, about 3 px") << 300 << 3 << 4;
}

void tst_VaDar_Table::borderWidthScalesWithDevice() {
    QFETCH(int, dpi);
    QFETCH(int, minDark);
    QFETCH(int, maxDark);
    QImage img = image(1200, 600, dpi);
    Table t;
    t.setTableSize(2, 1);
    t.setInnerFrameWidth(1);
    t.setRowHeightMode(0, Table::FixedSize, 200);
    t.setTableWidth(1000);
    QPainter painter(&img);
    t.paint(&painter, QPointF(10, 10));
    painter.end();
    QVERIFY(t.scale() * 96 / dpi * screenDpi() / 96 > 0.99);
    const int x = qRound(10 + t.cell(1, 0).cellRect().left());
    const int dark = darkPixels(img, QRect(x - 8, 110, 17, 1));
    QVERIFY2(dark >= minDark && dark <= maxDark, qPrintable(QString("%1 dark pixels").arg(dark)));
}

void tst_VaDar_Table::paintsCellsIntoImage() {
    QImage img = image(640, 360, 96);
    Table t;
    t.setTableSize(4, 4);
    t.setInnerFrameWidth(0.7);
    t.setOuterFrameWidth(1.5);
    t.setSpacing(1);
    t.setMargin(2);
    const char *head[] = {"Layer / Material", "<h4>d<br/>[mm]</h4>", "<h4>&lambda;<br/>[W/mK]</h4>",
                          "<h4>&mu;<br/>[---]</h4>"};
    const char *names[] = {"Gypsum plaster", "Brick", "Mineral wool insulation"};
    for (unsigned int c = 0; c < 4; ++c)
        t.setCellText(c, 0, QString::fromUtf8(head[c]));
    for (unsigned int r = 1; r < 4; ++r) {
        t.setCellText(0, r, names[r - 1]);
        t.setCellText(1, r, QString::number(r * 12.5, 'f', 1));
        t.setCellText(2, r, QString::number(0.035 * r, 'f', 4));
        t.setCellText(3, r, QString("<font color=\"#0000FF\">%1</font>").arg(r * 5));
        t.setRowMargins(r, 2, 2);
        for (unsigned int c = 1; c < 4; ++c)
            t.setCellAlignment(c, r, Qt::AlignRight | Qt::AlignVCenter);
    }
    t.setCellBackground(0, 0, QColor(230, 230, 250));
    t.setTableWidth(600);
    QPainter painter(&img);
    const QPointF origin(20, 20);
    t.paint(&painter, origin);
    painter.end();
    if (qEnvironmentVariableIsSet("VADAR_SAMPLE_PNG"))
        img.save(qEnvironmentVariable("VADAR_SAMPLE_PNG"));

    for (unsigned int r = 0; r < 4; ++r) {
        for (unsigned int c = 0; c < 4; ++c) {
            const QRect text = t.innerRect(c, r).translated(origin).toAlignedRect();
            QVERIFY2(darkPixels(img, text) > 10, qPrintable(QString("no text in cell %1,%2").arg(c).arg(r)));
        }
    }
    // A border between rows 1 and 2, in the middle of column 1.
    const int x = qRound(origin.x() + t.cell(1, 2).cellRect().center().x());
    const int y = qRound(origin.y() + t.cell(1, 2).cellRect().top());
    QVERIFY(darkPixels(img, QRect(x, y - 1, 1, 3)) > 0);
    // Nothing outside the table.
    const QRect table(origin.toPoint(), t.size());
    QCOMPARE(darkPixels(img, QRect(0, table.bottom() + 3, img.width(), img.height())), 0);
    QCOMPARE(darkPixels(img, QRect(table.right() + 3, 0, img.width(), img.height())), 0);
    QCOMPARE(img.pixel(qRound(origin.x() + 5), qRound(origin.y() + t.cell(0, 0).cellRect().bottom() - 4)),
             QColor(230, 230, 250).rgb());
}

void tst_VaDar_Table::emptyTablePaintsNothing() {
    QImage img = image(100, 100, 96);
    Table t;
    t.setBackgroundColor(Qt::black);
    QPainter painter(&img);
    t.paint(&painter, QPointF());
    painter.end();
    QCOMPARE(darkPixels(img, img.rect()), 0);
    QVERIFY(t.size().isEmpty());
}

QTEST_MAIN(tst_VaDar_Table)
#include "tst_VaDar_Table.moc"
