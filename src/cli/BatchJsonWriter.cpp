// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchJsonWriter.h"

#include <cstdio>

#include "BatchItem.h"
#include "RoundTripNumber.h"

namespace {

// Writes "key": value lines of one object, with commas between them.
class ObjectBuilder {
public:
    explicit ObjectBuilder(const QByteArray &indent) : m_indent(indent) {}

    void add(const char *key, const QByteArray &value) {
        if (!m_body.isEmpty())
            m_body += ",\n";
        m_body += m_indent + "  \"" + key + "\": " + value;
    }

    QByteArray finish() const { return m_indent + "{\n" + m_body + '\n' + m_indent + '}'; }

private:
    QByteArray m_indent;
    QByteArray m_body;
};

QByteArray number(double value) {
    return RoundTripNumber::json(value);
}

QByteArray number(int value) {
    return QByteArray::number(value);
}

QByteArray vector(const std::vector<double> &values) {
    QByteArray out = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += number(values[i]);
    }
    return out + ']';
}

QByteArray ranges(const std::vector<CalculationResults::IndexRange> &values) {
    QByteArray out = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += '[' + number(values[i].first) + ", " + number(values[i].second) + ']';
    }
    return out + ']';
}

QByteArray strings(const QStringList &values) {
    QByteArray out = "[";
    for (int i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += BatchJsonWriter::string(values.at(i));
    }
    return out + ']';
}

QByteArray results(const CalculationResults &r) {
    ObjectBuilder o("    ");
    o.add("calcState", number(r.calcState));
    o.add("glaserCase", number(r.glaserCase));
    o.add("d_total", number(r.d_total));
    o.add("T_Glaser", vector(r.T_Glaser));
    o.add("pv_Glaser", vector(r.pv_Glaser));
    o.add("psat_Glaser", vector(r.psat_Glaser));
    o.add("R_Glaser", vector(r.R_Glaser));
    o.add("Z_Glaser", vector(r.Z_Glaser));
    o.add("mc_Glaser", number(r.mc_Glaser));
    o.add("mev_Glaser", number(r.mev_Glaser));
    o.add("tev_Glaser", number(r.tev_Glaser));
    o.add("kFirst_Glaser", number(r.kFirst_Glaser));
    o.add("kLast_Glaser", number(r.kLast_Glaser));
    o.add("zones", ranges(r.zones));
    o.add("condRanges_Glaser", ranges(r.condRanges_Glaser));
    o.add("U", number(r.U));
    o.add("R_total_dry", number(r.R_total_dry));
    o.add("R_total", number(r.R_total));
    o.add("R_dry", number(r.R_dry));
    o.add("R", number(r.R));
    o.add("mc_0", number(r.mc_0));
    o.add("mc", number(r.mc));
    o.add("tau", number(r.tau));
    o.add("t_hyg", number(r.t_hyg));
    o.add("t_dry", number(r.t_dry));
    o.add("mev", number(r.mev));
    o.add("R_layers", vector(r.R_layers));
    o.add("Z_layers", vector(r.Z_layers));
    o.add("L_layers", vector(r.L_layers));
    o.add("T", vector(r.T));
    o.add("psat", vector(r.psat));
    o.add("pv", vector(r.pv));
    o.add("w_left", vector(r.w_left));
    o.add("w_right", vector(r.w_right));
    o.add("sk_Tavo", vector(r.sk_Tavo));
    o.add("mc_layers", vector(r.mc_layers));
    o.add("messages", strings(r.messages));
    return o.finish().mid(4); // the opening brace follows the key
}

QByteArray criterion(const CheckRow &row) {
    QByteArray out = "{\"label\": " + BatchJsonWriter::string(row.label) + ", \"value\": ";
    out += row.kind == CheckRow::TemperatureFactor ? BatchJsonWriter::string(row.value) : QByteArray("null");
    out += ", \"fulfilled\": ";
    out += !row.hasVerdict() ? "null" : (row.isFulfilled() ? "true" : "false");
    return out + '}';
}

QByteArray criteria(const QVector<CheckRow> &rows) {
    if (rows.isEmpty())
        return "[]";
    QByteArray out = "[\n";
    for (int i = 0; i < rows.size(); ++i) {
        out += "      " + criterion(rows.at(i));
        out += i + 1 < rows.size() ? ",\n" : "\n";
    }
    return out + "    ]";
}

} // namespace

QByteArray BatchJsonWriter::string(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof(escape), "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c; // UTF-8 bytes pass unchanged
            }
        }
    }
    out += '"';
    return out;
}

QByteArray BatchJsonWriter::object(const BatchItem &item) {
    ObjectBuilder o("  ");
    o.add("file", string(item.m_fileName));
    o.add("inputErrorState", number(item.m_inputData.errorState()));
    o.add("assessmentType", number(item.m_inputData.assessmentConditions().assessmentType()));
    o.add("heatFlowDirection", number(int(item.m_heatFlowDirection)));
    o.add("results", results(item.m_results));
    o.add("criteria", criteria(item.m_checks));
    return o.finish();
}

QByteArray BatchJsonWriter::array(const QVector<QByteArray> &objects) {
    if (objects.isEmpty())
        return "[]\n";
    QByteArray out = "[\n";
    for (int i = 0; i < objects.size(); ++i) {
        out += objects.at(i);
        out += i + 1 < objects.size() ? ",\n" : "\n";
    }
    return out + "]\n";
}
