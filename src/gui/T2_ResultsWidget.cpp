#include "T2_ResultsWidget.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

namespace {

// Everything is drawn this far from the left edge.
const int LeftOffset = 10;

QString red(const QString &text) {
    return QStringLiteral("<font color=\"#FF0000\">%1</font>").arg(text);
}

QString blue(const QString &text) {
    return QStringLiteral("<font color=\"#0000FF\">%1</font>").arg(text);
}

QString number(double value, int decimals) {
    return QStringLiteral("%L1").arg(value, 0, 'f', decimals);
}

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
    update();
}

bool T2_ResultsWidget::showsInputErrors() const {
    return m_results.calcState == CalculationResults::CS_InvalidInput;
}

QString T2_ResultsWidget::inputErrorText() const {
    QString text = red(tr("Invalid input!"));
    for (const QString &line : m_results.messages)
        text += QStringLiteral("<br/>%1").arg(line);
    return text;
}

QString T2_ResultsWidget::verdictText(const CalculationResults &results) {
    const std::vector<CalculationResults::IndexRange> &zones = results.zones;
    switch (results.calcState) {
    case CalculationResults::CS_NoLayers:
        return red(tr("No input!"));
    case CalculationResults::CS_AlgorithmFailure: {
        QStringList lines;
        for (const QString &line : results.messages)
            lines << red(line);
        return lines.join(QStringLiteral("<br/>"));
    }
    case CalculationResults::CS_CondensationInnerSurface:
        return red(tr("Condensation on the surface (warm side). No calculation possible."));
    case CalculationResults::CS_CondensationOuterSurface:
        return red(tr("Condensation on the surface (cold side). No calculation possible."));
    case CalculationResults::CS_SingleLayer:
        return blue(tr("Only one layer. No condensate possible!"));
    case CalculationResults::CS_NoCondensation:
        return blue(tr("No condensate emerges!"));
    case CalculationResults::CS_OnePlane:
    case CalculationResults::CS_OneZone:
        // A zone state without a zone would be a calculation fault: shown as unknown.
        if (zones.empty())
            break;
        return blue(tr("Condensation between layer %1 and %2!")
                        .arg(zones.front().first + 1)
                        .arg(zones.front().second + 1));
    case CalculationResults::CS_SeveralZones: {
        if (zones.empty())
            break;
        // Layer numbers are 1-based for the user.
        QString text = tr("Condensation between layer ");
        for (size_t i = 0; i + 1 < zones.size(); ++i)
            text += tr("%1 and %2, ").arg(zones[i].first + 1).arg(zones[i].second + 1);
        text += tr("%1 and %2.").arg(zones.back().first + 1).arg(zones.back().second + 1);
        return blue(text);
    }
    default:
        break;
    }
    return red(tr("Unknown result!"));
}

void T2_ResultsWidget::setupTable(VaDar::Table &table, int width) const {
    table.setTableSize(3, RowCount);
    table.setOuterFrameWidth(0);
    table.setInnerFrameWidth(0);
    table.setMargin(0);
    table.setSpacing(0);
    table.setTableWidth(width);
    table.setDefaultFont(font());
    for (unsigned int row = 0; row < RowCount; ++row) {
        table.setRowMargins(row, 3, 3);
        table.setCellMargins(0, row, 10, -1, -1, -1);
        // Numbers line up on the right, each followed by its unit after a small gap.
        table.setCellAlignment(1, row, Qt::AlignRight | Qt::AlignVCenter);
        table.setCellAlignment(2, row, Qt::AlignLeft | Qt::AlignVCenter);
        table.setCellMargins(2, row, 5, -1, -1, -1);
    }

    double thickness = 0;
    for (const MaterialLayer &layer : m_inputData.layers())
        thickness += layer.width();
    const QString perSquareMetreKelvin = QStringLiteral("W/(m<sup>2</sup>K)");

    auto setRow = [&table](Row row, const QString &label, const QString &value, const QString &unit) {
        table.setCellText(0, row, label);
        table.setCellText(1, row, value);
        table.setCellText(2, row, unit);
    };
    setRow(RowThickness, tr("Construction thickness"), number(thickness, 3), QStringLiteral("m"));
    setRow(RowResistance, tr("Thermal transfer resistance of the construction (dry)"),
           number(m_results.R_dry, 3), QStringLiteral("m<sup>2</sup>K/W"));
    table.setCellText(0, RowTransmissionHeading, tr("Thermal transmission coefficient of the construction"));
    table.mergeCells(0, RowTransmissionHeading, 3, 1);
    // Always with the standard surface resistances, whatever the climate says.
    setRow(RowUValueISO, tr("U-value (ISO 6946)"), number(1 / (m_results.R_dry + 0.04 + 0.13), 3),
           perSquareMetreKelvin);
    setRow(RowUValueMoisture, tr("U-value (moisture dependend)"), number(m_results.U, 3),
           perSquareMetreKelvin);
    table.setCellText(0, RowVerdict, verdictText(m_results));
    table.mergeCells(0, RowVerdict, 3, 1);
    setRow(RowCondensateMass, tr("Condensation mass after condensation period"), number(m_results.mc, 3),
           QStringLiteral("kg/m<sup>2</sup>"));
    setRow(RowDryingTime, tr("Drying time"), number(m_results.t_dry / 3600 / 24, 2), tr("d"));
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
