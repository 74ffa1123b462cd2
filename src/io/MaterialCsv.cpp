// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialCsv.h"

#include <QFile>
#include <QSet>

#include <cmath>

#include "MaterialIdCounter.h"

namespace {

const char *const Columns[] = {"id",       "name_en", "name_de", "category",      "rho",     "lambda",
                               "mu",       "mu_min",  "mu_max",  "w_80",          "w_sat",   "Aw",
                               "sd_value", "is_air",  "is_wood", "is_wood_based", "is_foil", "data_source",
                               "notes"};

enum Column {
    C_Id,
    C_NameEn,
    C_NameDe,
    C_Category,
    C_Rho,
    C_Lambda,
    C_Mu,
    C_MuMin,
    C_MuMax,
    C_W80,
    C_WSat,
    C_Aw,
    C_Sd,
    C_Air,
    C_Wood,
    C_WoodBased,
    C_Foil,
    C_DataSource,
    C_Notes,
    C_Count
};

} // namespace

QStringList MaterialCsv::languages() {
    return {QStringLiteral("en"), QStringLiteral("de")};
}

bool MaterialCsv::read(const QString &path, QVector<MaterialFile::Record> &records, QString &errorMessage) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorMessage = QStringLiteral("Cannot open '%1': %2").arg(path, file.errorString());
        return false;
    }
    return parse(file.readAll(), records, errorMessage);
}

bool MaterialCsv::splitRows(const QString &text, QVector<QStringList> &rows) {
    rows.clear();
    QStringList row;
    QString field;
    bool quoted = false;
    bool rowHasContent = false;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            rowHasContent = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field);
            field.clear();
            rowHasContent = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            if (rowHasContent || !field.isEmpty()) {
                row.append(field);
                rows.append(row);
            }
            row.clear();
            field.clear();
            rowHasContent = false;
        } else {
            field += c;
            rowHasContent = true;
        }
    }
    if (quoted)
        return false;
    if (rowHasContent || !field.isEmpty()) {
        row.append(field);
        rows.append(row);
    }
    return true;
}

bool MaterialCsv::parse(const QByteArray &utf8, QVector<MaterialFile::Record> &records,
                        QString &errorMessage) {
    records.clear();
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QVector<QStringList> rows;
    if (!splitRows(text, rows)) {
        errorMessage = QStringLiteral("unterminated quoted field");
        return false;
    }
    if (rows.isEmpty()) {
        errorMessage = QStringLiteral("empty table");
        return false;
    }
    int index[C_Count];
    for (int c = 0; c < C_Count; ++c) {
        index[c] = rows[0].indexOf(QLatin1String(Columns[c]));
        if (index[c] < 0) {
            errorMessage = QStringLiteral("line 1: column '%1' missing").arg(QLatin1String(Columns[c]));
            return false;
        }
    }

    QSet<int> ids;
    for (int r = 1; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        const QString where = QStringLiteral("row %1: ").arg(r + 1);
        if (row.size() != rows[0].size()) {
            errorMessage =
                where + QStringLiteral("%1 fields instead of %2").arg(row.size()).arg(rows[0].size());
            return false;
        }
        const auto field = [&](Column c) { return row[index[c]].trimmed(); };
        bool ok = true;
        const auto integer = [&](Column c) {
            bool good = false;
            const int v = field(c).toInt(&good);
            if (!good && ok) {
                ok = false;
                errorMessage =
                    where +
                    QStringLiteral("'%1' is not an integer: '%2'").arg(QLatin1String(Columns[c]), field(c));
            }
            return v;
        };
        const auto number = [&](Column c) {
            bool good = false;
            const double v = field(c).toDouble(&good);
            if ((!good || !std::isfinite(v)) && ok) {
                ok = false;
                errorMessage =
                    where +
                    QStringLiteral("'%1' is not a number: '%2'").arg(QLatin1String(Columns[c]), field(c));
            }
            return v;
        };
        const auto flag = [&](Column c) {
            const QString f = field(c);
            if (f != QLatin1String("0") && f != QLatin1String("1") && ok) {
                ok = false;
                errorMessage =
                    where + QStringLiteral("'%1' must be 0 or 1: '%2'").arg(QLatin1String(Columns[c]), f);
            }
            return f == QLatin1String("1");
        };

        MaterialFile::Record record;
        Material &m = record.material;
        m.materialId = integer(C_Id);
        m.category = MaterialCategory::fromRawValue(integer(C_Category));
        m.rho = number(C_Rho);
        m.lambda = number(C_Lambda);
        m.mu = number(C_Mu);
        m.mu_min = number(C_MuMin);
        m.mu_max = number(C_MuMax);
        m.w_80 = number(C_W80);
        m.w_sat = number(C_WSat);
        m.m_Aw = number(C_Aw);
        m.sd_value = number(C_Sd);
        const bool air = flag(C_Air);
        const bool wood = flag(C_Wood);
        const bool woodBased = flag(C_WoodBased);
        const bool foil = flag(C_Foil);
        if (!ok)
            return false;
        m.setFlags(air, wood, woodBased, foil);
        m.productCodes = {MaterialFile::ProgramProductCode};

        MaterialFile::Texts en;
        en.name = field(C_NameEn);
        en.dataSource = field(C_DataSource);
        en.notes = field(C_Notes);
        // The table has English sources and notes only; German users see those rather than nothing.
        MaterialFile::Texts de = en;
        de.name = field(C_NameDe);
        record.texts = {en, de};

        m.name = en.name;
        // Built-in ids stay clear of the code-made materials (0) and of the user ids.
        if (m.materialId <= 0 || m.materialId >= MaterialIdCounter::FirstUserMaterialId) {
            errorMessage = where + QStringLiteral("id %1 outside 1..%2")
                                       .arg(m.materialId)
                                       .arg(MaterialIdCounter::FirstUserMaterialId - 1);
            return false;
        }
        if (ids.contains(m.materialId)) {
            errorMessage = where + QStringLiteral("duplicate id %1").arg(m.materialId);
            return false;
        }
        ids.insert(m.materialId);
        if (!m.isValid() || de.name.isEmpty()) {
            errorMessage = where + QStringLiteral("material %1 is not valid").arg(m.materialId);
            return false;
        }
        records.append(record);
    }
    return true;
}
