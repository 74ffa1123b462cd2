// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_ResultsWidget.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QtMath>
#include <QPainter>
#include <QTextDocument>

#include "AssessmentChecks.h"
#include "ResultsSummary.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

namespace {

// Everything is drawn this far from the left edge.
const int LeftOffset = 10;
// Space between the summary and the verdicts.
const int VerdictGap = 8;
// Width assumed for the size hints before the panel has one of its own.
const int DefaultWidth = 350;
// Narrow enough for a small window; the lines wrap below this.
const int MinimumWidth = 150;

} // namespace

T2_ResultsWidget::T2_ResultsWidget(QWidget *parent)
    : QWidget(parent), m_errorFrame(new VaDar::TextFrame(nullptr, this)) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
    m_results.calcState = CalculationResults::CS_NoLayers;
    // Needed to show a pointing hand over links of the input error list.
    setMouseTracking(true);
}

T2_ResultsWidget::~T2_ResultsWidget() = default;

void T2_ResultsWidget::setResults(const InputData &inputData, const CalculationResults &results) {
    m_inputData = inputData;
    m_results = results;
    updateGeometry();
    update();
}

void T2_ResultsWidget::setAssessmentSettings(const AssessmentSettings &settings) {
    m_settings = settings;
    updateGeometry();
    update();
}

int T2_ResultsWidget::contentHeight(int width) const {
    if (width < 1)
        return 0;
    // Laying out only measures; the tables need the widget as device for its resolution.
    QPaintDevice *device = const_cast<T2_ResultsWidget *>(this);
    if (showsInputErrors()) {
        m_errorFrame->setDefaultFont(font());
        m_errorFrame->setText(inputErrorText());
        return qCeil(m_errorFrame->frameRect(device, width).height());
    }
    VaDar::Table table;
    setupTable(table, width);
    table.adjust(device);
    VaDar::Table verdicts;
    setupVerdictTable(verdicts, width);
    verdicts.adjust(device);
    return table.size().height() + VerdictGap + verdicts.size().height();
}

QSize T2_ResultsWidget::minimumSizeHint() const {
    const int width = isVisible() && this->width() > LeftOffset ? this->width() : DefaultWidth;
    return QSize(MinimumWidth, contentHeight(width - LeftOffset));
}

QSize T2_ResultsWidget::sizeHint() const {
    return minimumSizeHint().expandedTo(QSize(DefaultWidth, 0));
}

void T2_ResultsWidget::resizeEvent(QResizeEvent *event) {
    // Narrower means more wrapped lines: the needed height follows the width.
    if (event->size().width() != event->oldSize().width())
        updateGeometry();
    QWidget::resizeEvent(event);
}

bool T2_ResultsWidget::showsInputErrors() const {
    return ResultsSummary(m_inputData, m_results).showsInputErrors();
}

QString T2_ResultsWidget::inputErrorText() const {
    return ResultsSummary(m_inputData, m_results).inputErrorText();
}

void T2_ResultsWidget::setupTable(VaDar::Table &table, int width) const {
    const QVector<ResultsSummary::Line> rows = ResultsSummary(m_inputData, m_results).rows();
    const unsigned int rowCount = unsigned(rows.size());
    table.setTableSize(3, rowCount);
    table.setOuterFrameWidth(0);
    table.setInnerFrameWidth(0);
    table.setMargin(0);
    table.setSpacing(0);
    table.setTableWidth(width);
    table.setDefaultFont(font());
    for (unsigned int row = 0; row < rowCount; ++row) {
        table.setRowMargins(row, 3, 3);
        table.setCellMargins(0, row, 10, -1, -1, -1);
        // Numbers line up on the right, each followed by its unit after a small gap.
        table.setCellAlignment(1, row, Qt::AlignRight | Qt::AlignVCenter);
        table.setCellAlignment(2, row, Qt::AlignLeft | Qt::AlignVCenter);
        table.setCellMargins(2, row, 5, -1, -1, -1);
        const ResultsSummary::Line &line = rows.at(int(row));
        table.setCellText(0, row, line.label);
        if (line.spansRow()) {
            table.mergeCells(0, row, 3, 1);
            continue;
        }
        table.setCellText(1, row, line.value);
        table.setCellText(2, row, line.unit);
    }
}

void T2_ResultsWidget::setupVerdictTable(VaDar::Table &table, int width) const {
    const ResultsSummary summary(m_inputData, m_results);
    const QVector<CheckRow> checks = AssessmentChecks(m_inputData, m_results, m_settings).rows();
    struct Line {
        QString label, value;
        bool heading;
    };
    // Per procedure its heading with the verdict over all its lines, then only the lines that
    // fail, in red: the panel is small, the report lists every line.
    QVector<Line> lines;
    const auto appendGroup = [&](CheckRow::Group group, const QString &heading, const Line *extra) {
        bool fulfilled = true;
        QVector<Line> failed;
        for (const CheckRow &check : checks) {
            // The drying reserve belongs to DIN 68800-2, not under a DIN 4108-3 heading.
            if (check.group() != group || !check.hasVerdict() || check.kind == CheckRow::DryingReserve)
                continue;
            fulfilled = fulfilled && check.isFulfilled();
            if (!check.isFulfilled())
                failed.append({ResultsSummary::red(check.label), QString(), false});
        }
        lines.append({heading, AssessmentChecks::verdictText(fulfilled), true});
        if (extra != nullptr)
            lines.append(*extra);
        lines += failed;
    };
    appendGroup(CheckRow::ZoneCalculation, AssessmentChecks::zoneCalculationHeading(), nullptr);
    // The standard procedure's own condensate: the summary above shows only the zones'.
    const ResultsSummary::Line mass = summary.standardProcedureCondensate();
    const Line massLine{mass.label, mass.value + QLatin1Char(' ') + mass.unit, false};
    appendGroup(CheckRow::StandardProcedure, AssessmentChecks::standardProcedureHeading(),
                summary.hasStandardProcedureCondensate() ? &massLine : nullptr);

    const unsigned int rowCount = unsigned(lines.size());
    table.setTableSize(2, rowCount);
    table.setOuterFrameWidth(0);
    table.setInnerFrameWidth(0);
    table.setMargin(0);
    table.setSpacing(0);
    table.setTableWidth(width);
    table.setDefaultFont(font());
    // The verdicts keep to one line; long labels wrap instead.
    table.setColumnWidthMode(1, VaDar::Table::ContentSize);
    for (unsigned int row = 0; row < rowCount; ++row) {
        const Line &line = lines.at(int(row));
        table.setRowMargins(row, line.heading ? 6 : 2, 2);
        table.setCellMargins(0, row, line.heading ? 10 : 20, -1, -1, -1);
        table.setCellMargins(1, row, 10, -1, -1, -1);
        table.setCellAlignment(0, row, Qt::AlignLeft | Qt::AlignVCenter);
        table.setCellAlignment(1, row, Qt::AlignLeft | Qt::AlignVCenter);
        table.setCellText(0, row, line.heading ? QStringLiteral("<b>%1</b>").arg(line.label) : line.label);
        if (line.value.isEmpty())
            table.mergeCells(0, row, 2, 1);
        else
            table.setCellText(1, row, line.value);
    }
}

void T2_ResultsWidget::paintEvent(QPaintEvent * /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int width = this->width() - LeftOffset;
    if (width < 1)
        return;
    if (showsInputErrors()) {
        m_errorFrame->setDefaultFont(font());
        m_errorFrame->setText(inputErrorText());
        m_errorFrame->drawFrame(&painter, QPointF(LeftOffset, 0), width);
        return;
    }
    VaDar::Table table;
    setupTable(table, width);
    table.paint(&painter, QPointF(LeftOffset, 0));
    VaDar::Table verdicts;
    setupVerdictTable(verdicts, width);
    verdicts.paint(&painter, QPointF(LeftOffset, table.size().height() + VerdictGap));
}

QString T2_ResultsWidget::anchorAt(const QPoint &pos) {
    if (!showsInputErrors())
        return QString();
    const int width = this->width() - LeftOffset;
    if (width < 1)
        return QString();
    m_errorFrame->setDefaultFont(font());
    m_errorFrame->setText(inputErrorText());
    const QRectF frame = m_errorFrame->frameRect(this, width);
    const QPointF local = pos - QPointF(LeftOffset, 0);
    if (!frame.contains(local))
        return QString();
    return m_errorFrame->textDocument()->documentLayout()->anchorAt(local);
}

void T2_ResultsWidget::mouseMoveEvent(QMouseEvent *event) {
    if (anchorAt(event->pos()).isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}

void T2_ResultsWidget::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        const QString link = anchorAt(event->pos());
        if (!link.isEmpty()) {
            emit linkActivated(link);
            return;
        }
    }
    QWidget::mouseReleaseEvent(event);
}
