#include "MaterialPickerDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const int IndexRole = Qt::UserRole + 1;

enum Column { NameColumn, CategoryColumn, DatabaseColumn, LambdaColumn, MuColumn, ColumnCount };

} // namespace

MaterialPickerDialog::MaterialPickerDialog(const QList<Material> &builtIn, const QList<Material> &user,
                                           QWidget *parent)
    : QDialog(parent), m_materials(builtIn + user), m_search(new QLineEdit(this)),
      m_view(new QTreeView(this)), m_model(new QStandardItemModel(0, ColumnCount, this)),
      m_proxy(new QSortFilterProxyModel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Select Material"));
    setObjectName(QStringLiteral("MaterialPickerDialog"));

    m_model->setHorizontalHeaderLabels({tr("Material"), tr("Category"), tr("Database"),
                                        tr("%1 [W/mK]").arg(QChar(0x03BB)), tr("%1 [-]").arg(QChar(0x00B5))});
    for (int i = 0; i < m_materials.size(); ++i) {
        const Material &m = m_materials.at(i);
        QList<QStandardItem *> row;
        auto *name = new QStandardItem(m.name);
        name->setData(i, IndexRole);
        if (m.color.isValid())
            name->setData(m.color, Qt::DecorationRole);
        row << name << new QStandardItem(m.category.name())
            << new QStandardItem(i < builtIn.size() ? tr("built-in") : tr("user"))
            << new QStandardItem(Material::formattedValue(Material::VK_ThermalConductivity, m.lambda))
            << new QStandardItem(Material::formattedValue(Material::VK_ResistanceFactor, m.mu));
        for (QStandardItem *item : qAsConst(row))
            item->setEditable(false);
        m_model->appendRow(row);
    }
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setFilterKeyColumn(-1);

    m_search->setObjectName(QStringLiteral("lineEditSearch"));
    m_search->setPlaceholderText(tr("Search by name or category"));
    m_search->setClearButtonEnabled(true);
    m_view->setObjectName(QStringLiteral("treeViewMaterials"));
    m_view->setModel(m_proxy);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_view->header()->setStretchLastSection(false);
    for (int c = CategoryColumn; c < ColumnCount; ++c)
        m_view->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);

    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("&Search:"), this);
    label->setBuddy(m_search);
    layout->addWidget(label);
    layout->addWidget(m_search);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_buttons);
    resize(720, 480);

    connect(m_search, &QLineEdit::textChanged, this, &MaterialPickerDialog::filterChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MaterialPickerDialog::selectionChanged);
    connect(m_view, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    selectionChanged();
    m_search->setFocus();
}

void MaterialPickerDialog::setSearchText(const QString &text) {
    m_search->setText(text);
}

void MaterialPickerDialog::filterChanged(const QString &text) {
    m_proxy->setFilterFixedString(text.trimmed());
    // The first match is preselected, so Enter takes it.
    if (!text.trimmed().isEmpty() && m_proxy->rowCount() > 0)
        selectShown(0);
    else
        m_view->clearSelection();
}

int MaterialPickerDialog::shownCount() const {
    return m_proxy->rowCount();
}

QString MaterialPickerDialog::shownName(int row) const {
    return m_proxy->index(row, NameColumn).data().toString();
}

void MaterialPickerDialog::selectShown(int row) {
    const QModelIndex index = m_proxy->index(row, NameColumn);
    if (!index.isValid())
        return;
    m_view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

int MaterialPickerDialog::selectedIndex() const {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows(NameColumn);
    if (rows.isEmpty())
        return -1;
    return rows.constFirst().data(IndexRole).toInt();
}

void MaterialPickerDialog::selectionChanged() {
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(hasSelection());
}

bool MaterialPickerDialog::hasSelection() const {
    const int i = selectedIndex();
    return i >= 0 && i < m_materials.size();
}

Material MaterialPickerDialog::selectedMaterial() const {
    return hasSelection() ? m_materials.at(selectedIndex()) : Material();
}
