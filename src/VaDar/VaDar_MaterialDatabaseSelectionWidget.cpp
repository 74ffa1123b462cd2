// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_MaterialDatabaseSelectionWidget.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

#include "VaDar_MaterialTableModel.h"
#include "VaDar_MaterialTableProxyModel.h"

namespace VaDar {

MaterialDatabaseSelectionWidget::MaterialDatabaseSelectionWidget(QWidget *parent)
    : QWidget(parent), m_model(new MaterialTableModel(this)), m_proxy(new MaterialTableProxyModel(this)) {
    m_proxy->setSourceModel(m_model);

    auto *filters = new QGridLayout;
    const auto addFilter = [this, filters](int column, const QString &label, QWidget *field) {
        auto *l = new QLabel(label, this);
        l->setBuddy(field);
        filters->addWidget(l, 0, column);
        filters->addWidget(field, 1, column);
    };
    m_categoryFilter = new QComboBox(this);
    m_categoryFilter->setObjectName(QStringLiteral("comboBoxCategoryFilter"));
    m_categoryFilter->addItem(tr("All categories"), -1);
    const QStringList categories = MaterialCategory::names();
    for (int i = 0; i < categories.size(); ++i)
        m_categoryFilter->addItem(categories.at(i), i);
    const auto lineEdit = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setClearButtonEnabled(true);
        edit->setToolTip(tr("Words separated by blanks; a material is shown when one of them is found. "
                            "* stands for any text, ? for one character."));
        return edit;
    };
    m_nameFilter = lineEdit("lineEditNameFilter");
    m_producerFilter = lineEdit("lineEditProducerFilter");
    m_dataSourceFilter = lineEdit("lineEditDataSourceFilter");
    m_commentFilter = lineEdit("lineEditCommentFilter");
    addFilter(0, tr("Category Filter"), m_categoryFilter);
    addFilter(1, tr("Material Name Filter"), m_nameFilter);
    addFilter(2, tr("Producer Filter"), m_producerFilter);
    addFilter(3, tr("Data source filter"), m_dataSourceFilter);
    addFilter(4, tr("Comment filter"), m_commentFilter);
    filters->setColumnStretch(1, 2);
    for (int c = 2; c < 5; ++c)
        filters->setColumnStretch(c, 1);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tableViewMaterials"));
    m_table->setModel(m_proxy);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView *header = m_table->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsMovable(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    // Database order (built-in first) until the user clicks a header.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    for (int c = 0; c < MaterialTableModel::ColumnCount; ++c)
        m_table->setColumnHidden(c, MaterialTableModel::isHiddenByDefault(c));
    // Room for the names; the numbers need their headers (and a sort arrow), and at least room
    // for a value in exponent notation such as a foil's resistance factor.
    m_table->setColumnWidth(MaterialTableModel::NameColumn, 320);
    m_table->setColumnWidth(MaterialTableModel::CategoryColumn, 160);
    const QFontMetrics headerFont = header->fontMetrics();
    const int numberWidth = m_table->fontMetrics().horizontalAdvance(QStringLiteral("8.88e-08")) + 16;
    for (int c = MaterialTableModel::ProductColumn; c < MaterialTableModel::ColumnCount; ++c) {
        int textWidth = 0;
        for (const QString &line : m_model->headerData(c, Qt::Horizontal).toString().split(QLatin1Char('\n')))
            textWidth = qMax(textWidth, headerFont.horizontalAdvance(line));
        m_table->setColumnWidth(c, qMax(numberWidth, textWidth + 28));
    }
    // Two lines for the header of the water absorption coefficient.
    header->setMinimumHeight(2 * header->fontMetrics().height() + 8);

    auto *selectedRow = new QHBoxLayout;
    auto *selectedLabel = new QLabel(tr("Selected Material:"), this);
    m_selectedName = new QLabel(this);
    m_selectedName->setObjectName(QStringLiteral("labelSelectedMaterial"));
    m_selectedName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_selectedName->font();
    bold.setBold(true);
    m_selectedName->setFont(bold);
    selectedRow->addWidget(selectedLabel);
    selectedRow->addWidget(m_selectedName, 1);

    auto *remarksBox = new QGroupBox(tr("Remarks"), this);
    auto *remarksLayout = new QVBoxLayout(remarksBox);
    m_remarks = new QPlainTextEdit(remarksBox);
    m_remarks->setObjectName(QStringLiteral("plainTextEditRemarks"));
    m_remarks->setReadOnly(true);
    m_remarks->setMaximumHeight(4 * m_remarks->fontMetrics().height() + 12);
    remarksLayout->addWidget(m_remarks);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addLayout(selectedRow);
    layout->addWidget(remarksBox);

    connect(m_categoryFilter, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this]() {
        m_proxy->setCategoryFilter(m_categoryFilter->currentData().toInt());
        updateSelection();
    });
    const auto connectFilter = [this](QLineEdit *edit,
                                      void (MaterialTableProxyModel::*setter)(const QString &)) {
        connect(edit, &QLineEdit::textChanged, this, [this, setter](const QString &text) {
            (m_proxy->*setter)(text);
            updateSelection();
        });
    };
    connectFilter(m_nameFilter, &MaterialTableProxyModel::setNameFilter);
    connectFilter(m_producerFilter, &MaterialTableProxyModel::setProducerFilter);
    connectFilter(m_dataSourceFilter, &MaterialTableProxyModel::setDataSourceFilter);
    connectFilter(m_commentFilter, &MaterialTableProxyModel::setCommentFilter);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MaterialDatabaseSelectionWidget::updateSelection);
    connect(m_proxy, &QAbstractItemModel::modelReset, this,
            &MaterialDatabaseSelectionWidget::updateSelection);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this,
            &MaterialDatabaseSelectionWidget::updateSelection);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const int material = m_proxy->materialIndex(index.row());
        if (material >= 0)
            emit doubleClickMaterials(material);
    });
    connect(header, &QWidget::customContextMenuRequested, this,
            &MaterialDatabaseSelectionWidget::showHeaderMenu);

    updateSelection();
}

void MaterialDatabaseSelectionWidget::setMaterials(const QList<Material> &builtIn,
                                                   const QList<Material> &user) {
    m_model->setMaterials(builtIn, user);
    m_table->selectionModel()->clear();
    updateSelection();
}

int MaterialDatabaseSelectionWidget::selectedRow() const {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int MaterialDatabaseSelectionWidget::visibleRowCount() const {
    return m_proxy->rowCount();
}

bool MaterialDatabaseSelectionWidget::selectMaterial(int index) {
    const int row = m_proxy->rowOfMaterial(index);
    selectRow(row);
    return row >= 0;
}

void MaterialDatabaseSelectionWidget::selectRow(int row) {
    const int rows = m_proxy->rowCount();
    if (row >= rows)
        row = rows - 1;
    QItemSelectionModel *selection = m_table->selectionModel();
    if (row < 0) {
        selection->clear();
    } else {
        const QModelIndex index = m_proxy->index(row, 0);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_table->scrollTo(index);
    }
    updateSelection();
}

void MaterialDatabaseSelectionWidget::clearFilters() {
    m_categoryFilter->setCurrentIndex(0);
    for (QLineEdit *edit : {m_nameFilter, m_producerFilter, m_dataSourceFilter, m_commentFilter})
        edit->clear();
}

void MaterialDatabaseSelectionWidget::updateSelection() {
    const int row = selectedRow();
    const int index = row >= 0 ? m_proxy->materialIndex(row) : -1;
    if (index >= 0) {
        const Material &m = m_model->material(index);
        m_selectedName->setText(m.name);
        m_remarks->setPlainText(m.infoText());
    } else {
        m_selectedName->setText(tr("Nothing"));
        m_remarks->clear();
    }
    if (index == m_selected)
        return;
    m_selected = index;
    emit materialSelected(index);
}

void MaterialDatabaseSelectionWidget::showHeaderMenu(const QPoint &pos) {
    QMenu menu(this);
    for (int c = 0; c < MaterialTableModel::ColumnCount; ++c) {
        if (c == MaterialTableModel::NameColumn)
            continue;
        QAction *action = menu.addAction(m_model->headerData(c, Qt::Horizontal).toString().simplified());
        action->setCheckable(true);
        action->setChecked(!m_table->isColumnHidden(c));
        connect(action, &QAction::toggled, this, [this, c](bool on) { m_table->setColumnHidden(c, !on); });
    }
    menu.exec(m_table->horizontalHeader()->mapToGlobal(pos));
}

void MaterialDatabaseSelectionWidget::saveColumnLayout(QSettings &settings) const {
    for (int c = 0; c < MaterialTableModel::ColumnCount; ++c) {
        const QString id = MaterialTableModel::columnId(c);
        settings.setValue(id + QLatin1String("/Visible"), !m_table->isColumnHidden(c));
        if (!m_table->isColumnHidden(c))
            settings.setValue(id + QLatin1String("/Width"), m_table->columnWidth(c));
    }
}

void MaterialDatabaseSelectionWidget::restoreColumnLayout(QSettings &settings) {
    for (int c = 0; c < MaterialTableModel::ColumnCount; ++c) {
        const QString id = MaterialTableModel::columnId(c);
        const bool visible =
            c == MaterialTableModel::NameColumn ||
            settings.value(id + QLatin1String("/Visible"), !MaterialTableModel::isHiddenByDefault(c))
                .toBool();
        m_table->setColumnHidden(c, !visible);
        bool ok = false;
        const int width = settings.value(id + QLatin1String("/Width")).toInt(&ok);
        // A stored width outside any sensible range (hand-edited store) is ignored.
        if (ok && width >= 20 && width <= 2000)
            m_table->setColumnWidth(c, width);
    }
}

} // namespace VaDar
