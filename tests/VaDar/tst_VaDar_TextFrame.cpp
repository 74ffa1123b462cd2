#include <QtTest>

#include <QPainter>
#include <QTextDocument>

#include "VaDarTestHelpers.h"
#include "VaDar_TextFrame.h"
#include "VaDar_TextFrameInformations.h"

#include <QAbstractTextDocumentLayout>

using VaDar::TextFrame;
using namespace VaDarTest;

namespace {
const QString Tagline = QStringLiteral("A software for hygrothermal evaluation of building envelope systems");
const QColor TaglineColor(191, 191, 207);
} // namespace

class tst_VaDar_TextFrame : public QObject {
    Q_OBJECT
private slots:
    void emptyFrameRect_data();
    void emptyFrameRect();
    void widthDefaultsToDevice();
    void scalesWithDeviceResolution();
    void splashTagline();
    void borrowedDocumentOutlivesFrame();
    void breakpointRecords();
};

void tst_VaDar_TextFrame::emptyFrameRect_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withDevice");
    QTest::newRow("empty text") << QString() << true;
    QTest::newRow("no paint device") << "Title" << false;
}

void tst_VaDar_TextFrame::emptyFrameRect() {
    QFETCH(QString, text);
    QFETCH(bool, withDevice);
    QImage img = image(200, 100, 96);
    TextFrame frame;
    frame.setText(text);
    const QRectF rect = frame.frameRect(withDevice ? &img : nullptr, 150);
    QVERIFY(rect.isEmpty());
    QCOMPARE(rect, QRectF());
    // Drawing it must not paint anything either.
    QPainter painter(&img);
    frame.setBackgroundColor(Qt::black);
    frame.drawFrame(&painter, QPointF(), 150);
    painter.end();
    if (text.isEmpty())
        QCOMPARE(darkPixels(img, img.rect()), 0);
}

void tst_VaDar_TextFrame::widthDefaultsToDevice() {
    QImage narrow = image(200, 100, 96);
    TextFrame frame;
    frame.setText(Tagline);
    const QRectF wide = frame.frameRect(&narrow, 2000);
    const QRectF byDevice = frame.frameRect(&narrow, 0);
    QVERIFY2(wide.width() > 200, qPrintable(QString::number(wide.width())));
    QVERIFY2(byDevice.width() <= 200 && byDevice.height() > 2 * wide.height(),
             qPrintable(QString("%1 x %2").arg(byDevice.width()).arg(byDevice.height())));
    QCOMPARE(byDevice.topLeft(), QPointF(0, 0));
}

void tst_VaDar_TextFrame::scalesWithDeviceResolution() {
    QImage screen = image(100, 100, 96);
    QImage print = image(100, 100, 300);
    TextFrame frame;
    frame.setText("<h2>Material Properties</h2>");
    const QRectF a = frame.frameRect(&screen, 5000);
    const QRectF b = frame.frameRect(&print, 5000);
    const double ratio = 300.0 / 96.0;
    QVERIFY2(qAbs(b.height() / a.height() - ratio) < 0.1 * ratio,
             qPrintable(QString("heights %1 and %2").arg(a.height()).arg(b.height())));
    QVERIFY2(qAbs(b.width() / a.width() - ratio) < 0.1 * ratio,
             qPrintable(QString("widths %1 and %2").arg(a.width()).arg(b.width())));
}

void tst_VaDar_TextFrame::splashTagline() {
    // The splash screen paints its tagline exactly like this onto a dark image.
    QImage img(500, 300, QImage::Format_ARGB32);
    img.fill(Qt::black);
    TextFrame frame;
    frame.setText(Tagline);
    frame.setTextColor(TaglineColor);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::TextAntialiasing);
    frame.drawFrame(&painter, QPointF(35, 85), 300);
    painter.end();
    const QRectF rect = frame.frameRect(&img, 300);
    QVERIFY(rect.width() <= 300);

    QRect ink;
    int exact = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qGray(p) > 20)
                ink |= QRect(x, y, 1, 1);
            if (p == TaglineColor.rgb())
                ++exact;
        }
    }
    QVERIFY2(exact > 20, qPrintable(QString("%1 pixels in the tagline colour").arg(exact)));
    QVERIFY2(
        QRect(35, 85, 300, qCeil(rect.height())).contains(ink),
        qPrintable(QString("ink %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    QVERIFY2(ink.height() > rect.height() / 2, "the tagline wraps into two lines at 300 px");
}

void tst_VaDar_TextFrame::borrowedDocumentOutlivesFrame() {
    QTextDocument shared;
    {
        TextFrame frame(&shared);
        QCOMPARE(frame.textDocument(), &shared);
        frame.setText("x");
        QImage img = image(50, 50, 96);
        QVERIFY(!frame.frameRect(&img, 40).isEmpty());
    }
    shared.setPlainText("still alive");
    QCOMPARE(shared.toPlainText(), QStringLiteral("still alive"));
}

void tst_VaDar_TextFrame::breakpointRecords() {
    QImage img = image(100, 100, 96);
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&img);
    VaDar_TextFrameInformations info;
    const QString text = "Thermal transmission coefficient of the construction";
    info.measure(&doc, text, true);
    const auto &records = info.infos();
    QVERIFY(records.size() > 3);
    QCOMPARE(records.front().upperWidth, VaDar_TextFrameInformations::UnlimitedWidth);
    QCOMPARE(records.front().lineCount, 1);
    for (std::size_t i = 1; i < records.size(); ++i) {
        QVERIFY(records[i].height != records[i - 1].height);
        QCOMPARE(records[i].upperWidth, records[i - 1].lowerWidth - 1);
    }
    // Looking a width up gives the height of laying the text out at that width.
    for (int w = 10; w < qCeil(records.front().width) + 20; w += 3) {
        VaDar_TextFrameInformations::layoutText(&doc, text, w);
        const double direct = doc.size().height();
        const double looked = info.layoutSize(&doc, w).height();
        QVERIFY2(qAbs(direct - looked) < 1e-9,
                 qPrintable(QString("width %1: %2 vs %3").arg(w).arg(direct).arg(looked)));
    }
}

QTEST_MAIN(tst_VaDar_TextFrame)
#include "tst_VaDar_TextFrame.moc"
