// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchCsvWriter.h"

#include <limits>

#include "BatchItem.h"
#include "PlainText.h"
#include "RoundTripNumber.h"

namespace {

// The element at \a i, or NaN (an empty cell) when the calculation did not fill the vector.
double at(const std::vector<double> &values, int i) {
    return i >= 0 && static_cast<size_t>(i) < values.size() ? values[static_cast<size_t>(i)]
                                                            : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

QByteArray BatchCsvWriter::field(const QString &text) {
    QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    utf8.replace("\"", "\"\"");
    return '"' + utf8 + '"';
}

QByteArray BatchCsvWriter::write(const BatchItem &item) {
    const CalculationResults &r = item.m_results;
    const QVector<MaterialLayer> &layers = item.m_inputData.layers();
    const int n = layers.size();
    const QByteArray file = field(item.m_fileName);

    QByteArray out = "file,index,x,T,psat,pv,T_Glaser,psat_Glaser,pv_Glaser\n";
    double x = 0;
    for (int k = 0; k <= n; ++k) {
        if (k > 0)
            x += layers.at(k - 1).width();
        out += file + ',' + QByteArray::number(k) + ',' + RoundTripNumber::text(x);
        for (const std::vector<double> *column :
             {&r.T, &r.psat, &r.pv, &r.T_Glaser, &r.psat_Glaser, &r.pv_Glaser})
            out += ',' + RoundTripNumber::text(at(*column, k));
        out += '\n';
    }

    out += "\nfile,index,name,d,R_layers,Z_layers,L_layers,w_left,w_right,sk_Tavo,mc_layers\n";
    for (int i = 0; i < n; ++i) {
        out += file + ',' + QByteArray::number(i) + ',' + field(layers.at(i).material().name) + ',' +
               RoundTripNumber::text(layers.at(i).width());
        for (const std::vector<double> *column :
             {&r.R_layers, &r.Z_layers, &r.L_layers, &r.w_left, &r.w_right, &r.sk_Tavo, &r.mc_layers})
            out += ',' + RoundTripNumber::text(at(*column, i));
        out += '\n';
    }

    // Of the assessment lines only those of the standard procedure, whose profiles the tables
    // above give; every line is in the JSON output.
    out += "\nfile,index,label,fulfilled\n";
    int index = 0;
    for (const CheckRow &check : item.m_checks) {
        if (check.group() != CheckRow::StandardProcedure)
            continue;
        out += file + ',' + QByteArray::number(index++) + ',' + field(PlainText::fromHtml(check.label)) +
               ',' + (check.isFulfilled() ? "true" : "false") + '\n';
    }
    return out;
}
