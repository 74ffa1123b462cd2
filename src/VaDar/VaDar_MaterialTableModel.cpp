// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_MaterialTableModel.h"

#include <QLocale>
#include <QPixmap>

namespace VaDar {

namespace {

const QChar SuperscriptTwo(0x00B2);
const QChar SuperscriptThree(0x00B3);
const QChar OneHalf(0x00BD);

// Moisture contents are stored in m³/m³ and listed in kg/m³ of water.
const double WaterDensity = 1000.0;

// The current locale without group separators, as every number of the program is shown.
QLocale numberLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QString moistureText(double content) {
    return numberLocale().toString(content * WaterDensity, 'g', 4);
}

} // namespace

MaterialTableModel::MaterialTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void MaterialTableModel::setMaterials(const QList<Material> &builtIn, const QList<Material> &user) {
    beginResetModel();
    m_materials = builtIn + user;
    m_builtInCount = builtIn.size();
    endResetModel();
}

int MaterialTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_materials.size();
}

int MaterialTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MaterialTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_materials.size())
        return QVariant();
    const Material &m = m_materials.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(m, index.column());
    case SortRole:
        return sortValue(m, index.column());
    case Qt::ToolTipRole:
        return index.column() == NameColumn ? QVariant(m.name) : QVariant();
    case Qt::DecorationRole:
        if (index.column() == NameColumn && m.color.isValid()) {
            QPixmap swatch(12, 12);
            swatch.fill(m.color);
            return swatch;
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() >= DensityColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant MaterialTableModel::displayText(const Material &m, int column) const {
    switch (column) {
    case NameColumn:
        return m.name;
    case CategoryColumn:
        return m.category.name();
    case ProductColumn:
        return m.productName;
    case ProducerColumn:
        return m.producer;
    case SourceColumn:
        return m.dataSource;
    case DensityColumn:
        return numberLocale().toString(m.rho, 'f', 0);
    case MuColumn:
        return Material::formattedValue(Material::VK_ResistanceFactor, m.mu);
    case LambdaColumn:
        return Material::formattedValue(Material::VK_ThermalConductivity, m.lambda);
    case W80Column:
        return moistureText(m.w_80);
    case WSatColumn:
        return moistureText(m.w_sat);
    case AwColumn:
        return Material::formattedValue(Material::VK_WaterUptake, m.m_Aw);
    case SdColumn:
        // 0 means the material has no sd-value of its own.
        return m.sd_value > 0 ? Material::formattedValue(Material::VK_SdValue, m.sd_value) : QString();
    default:
        // Heat capacity and air permeance are not part of this program's materials.
        return QString();
    }
}

QVariant MaterialTableModel::sortValue(const Material &m, int column) {
    switch (column) {
    case NameColumn:
        return m.name;
    case CategoryColumn:
        return m.category.name();
    case ProductColumn:
        return m.productName;
    case ProducerColumn:
        return m.producer;
    case SourceColumn:
        return m.dataSource;
    case DensityColumn:
        return m.rho;
    case MuColumn:
        return m.mu;
    case LambdaColumn:
        return m.lambda;
    case W80Column:
        return m.w_80;
    case WSatColumn:
        return m.w_sat;
    case AwColumn:
        return m.m_Aw;
    case SdColumn:
        return m.sd_value;
    default:
        return QVariant();
    }
}

QVariant MaterialTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Name");
    case CategoryColumn:
        return tr("Category");
    case ProductColumn:
        return tr("ProductName");
    case ProducerColumn:
        return tr("Producer");
    case SourceColumn:
        return tr("DataSource");
    case DensityColumn:
        return tr("%1 [kg/m%2]").arg(QChar(0x03C1)).arg(SuperscriptThree);
    case HeatCapacityColumn:
        return tr("cp [J/kgK]");
    case MuColumn:
        return tr("%1 [-]").arg(QChar(0x03BC));
    case LambdaColumn:
        return tr("%1 [W/mK]").arg(QChar(0x03BB));
    case W80Column:
        return tr("W80 [kg/m%1]").arg(SuperscriptThree);
    case WSatColumn:
        return tr("WSat [kg/m%1]").arg(SuperscriptThree);
    case AwColumn:
        return tr("Aw\n[kg/m%1s%2]").arg(SuperscriptTwo).arg(OneHalf);
    case SdColumn:
        return tr("sd [m]");
    case AirPermeanceColumn:
        return tr("Kair [s/m]");
    default:
        return QVariant();
    }
}

QString MaterialTableModel::columnId(int column) {
    static const char *const ids[ColumnCount] = {
        "MaterialName", "MaterialCategory", "MaterialProductID", "MaterialProducer", "MaterialSource",
        "MaterialRho",  "MaterialCet",      "MaterialMew",       "MaterialLambda",   "MaterialW80",
        "MaterialWSat", "MaterialAw",       "MaterialSd",        "MaterialKair"};
    if (column < 0 || column >= ColumnCount)
        return QString();
    return QLatin1String(ids[column]);
}

bool MaterialTableModel::isHiddenByDefault(int column) {
    return column == HeatCapacityColumn || column == AirPermeanceColumn;
}

} // namespace VaDar
