// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionDatabaseWidget.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "ConstructionDatabaseTableModel.h"
#include "ConstructionList.h"
#include "LayerHatching.h"
#include "UserDialogs.h"
#include "VaDar_ConstructionViewWidget.h"

ConstructionDatabaseWidget::ConstructionDatabaseWidget(ConstructionList &constructions, UserDialogs &dialogs,
                                                       QWidget *parent)
    : QWidget(parent), m_constructions(constructions), m_dialogs(dialogs),
      m_importDirectory(QDir::homePath()), m_model(new ConstructionDatabaseTableModel(constructions, this)) {
    m_actionAdd = createAction("actionAddConstruction", tr("Add construction"),
                               tr("Add a new construction to the list."));
    m_actionDelete = createAction("actionDeleteConstruction", tr("Delete Construction"),
                                  tr("Delete selected construction from list."));
    m_actionEdit =
        createAction("actionEditConstruction", tr("Edit construction"), tr("Edit selected constrcution."));
    m_actionCopy = createAction("actionCopyConstruction", tr("Copy construction"),
                                tr("Copy selected construction to a new one."));
    m_actionImport = createAction("actionImportConstructions", tr("Import"),
                                  tr("Add the constructions of another construction file to the list."));

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addActions({m_actionAdd, m_actionCopy, m_actionEdit, m_actionDelete});
    toolBar->addSeparator();
    toolBar->addAction(m_actionImport);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tableViewConstructions"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setDefaultSectionSize(180);
    // Columns as wide as their texts, within limits, whenever the list changes.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this]() {
        m_table->resizeColumnsToContents();
        for (int c = 0; c < m_model->columnCount(); ++c)
            m_table->setColumnWidth(c, qBound(120, m_table->columnWidth(c), 330));
    });
    m_table->setAlternatingRowColors(true);

    auto *listBox = new QGroupBox(tr("Construction list"), this);
    auto *listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(toolBar);
    listLayout->addWidget(m_table, 1);

    auto *selectedLine = new QHBoxLayout;
    m_selectedName = new QLabel(this);
    m_selectedName->setObjectName(QStringLiteral("labelSelectedConstruction"));
    QFont bold = m_selectedName->font();
    bold.setBold(true);
    m_selectedName->setFont(bold);
    selectedLine->addWidget(new QLabel(tr("Selected Construction:"), this));
    selectedLine->addWidget(m_selectedName, 1);

    auto *viewBox = new QGroupBox(tr("View and Notes"), this);
    auto *viewLayout = new QHBoxLayout(viewBox);
    m_preview = new VaDar::ConstructionViewWidget(viewBox);
    m_preview->setObjectName(QStringLiteral("constructionPreview"));
    m_preview->setMinimumHeight(180);
    m_notes = new QPlainTextEdit(viewBox);
    m_notes->setObjectName(QStringLiteral("plainTextEditNotes"));
    m_notes->setReadOnly(true);
    viewLayout->addWidget(m_preview, 3);
    viewLayout->addWidget(m_notes, 1);

    auto *lower = new QWidget(this);
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addLayout(selectedLine);
    lowerLayout->addWidget(viewBox, 1);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(listBox);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConstructionDatabaseWidget::updateSelection);
    connect(m_table, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { doubleClick(index.row(), -1); });
    connect(m_preview, &VaDar::ConstructionViewWidget::layerDoubleClicked, this,
            [this](int layer) { doubleClick(selectedRow(), layer); });
    QMetaObject::connectSlotsByName(this);

    m_model->refresh();
    showSelection();
}

QAction *ConstructionDatabaseWidget::createAction(const char *objectName, const QString &text,
                                                  const QString &toolTip) {
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setToolTip(toolTip);
    return action;
}

void ConstructionDatabaseWidget::setCurrentConstruction(const QVector<MaterialLayer> &layers,
                                                        const QString &name) {
    m_currentLayers = layers;
    m_currentName = name;
    updateActions();
}

void ConstructionDatabaseWidget::reload() {
    const int row = selectedRow();
    m_model->refresh();
    selectConstruction(row);
}

int ConstructionDatabaseWidget::selectedRow() const {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

Construction ConstructionDatabaseWidget::selectedConstruction() const {
    return m_model->construction(selectedRow());
}

void ConstructionDatabaseWidget::selectConstruction(int row) {
    const int rows = m_model->rowCount();
    if (row >= rows)
        row = rows - 1;
    QItemSelectionModel *selection = m_table->selectionModel();
    if (row < 0) {
        selection->clear();
    } else {
        const QModelIndex index = m_model->index(row, 0);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_table->scrollTo(index);
    }
    showSelection();
}

void ConstructionDatabaseWidget::updateSelection(const QItemSelection &selected,
                                                 const QItemSelection &deselected) {
    Q_UNUSED(selected)
    Q_UNUSED(deselected)
    showSelection();
}

void ConstructionDatabaseWidget::showSelection() {
    const int row = selectedRow();
    const Construction c = m_model->construction(row);
    // A reset of the model redraws the same row: its construction may have been edited.
    if (row >= 0) {
        m_selectedName->setText(c.name);
        m_notes->setPlainText(c.notes);
        m_preview->setData(nullptr, true, tr("Inside"), tr("Outside"), LayerHatching::viewLayers(c.layers));
    } else {
        m_selectedName->setText(tr("Nothing"));
        m_notes->clear();
        m_preview->clear();
    }
    updateActions();
    if (row != m_shownRow) {
        m_shownRow = row;
        emit constructionSelected(row);
    }
    emit selectionChanged();
}

void ConstructionDatabaseWidget::updateActions() {
    const bool selected = selectedRow() >= 0;
    m_actionDelete->setEnabled(selected);
    m_actionEdit->setEnabled(selected);
    m_actionCopy->setEnabled(selected);
    const bool hasProject = !m_currentLayers.isEmpty();
    m_actionAdd->setEnabled(hasProject);
    m_actionAdd->setToolTip(hasProject ? tr("Add a new construction to the list.")
                                       : tr("Add a new construction to the list.") + QLatin1Char('\n') +
                                             tr("Open a project with layers: its construction is added."));
}

void ConstructionDatabaseWidget::markChanged() {
    m_changed = true;
    emit constructionsChanged();
}

void ConstructionDatabaseWidget::doubleClick(int row, int layer) {
    Q_UNUSED(layer)
    if (row >= 0)
        emit doubleClicked(row);
}

void ConstructionDatabaseWidget::on_actionAddConstruction_triggered() {
    if (m_currentLayers.isEmpty())
        return;
    QString name = m_currentName;
    QString notes;
    if (!m_dialogs.constructionName(this, tr("Add construction"), name, notes) || name.trimmed().isEmpty())
        return;
    selectConstruction(m_model->appendConstruction(Construction(name.trimmed(), m_currentLayers, notes)));
    markChanged();
}

void ConstructionDatabaseWidget::on_actionCopyConstruction_triggered() {
    const int row = selectedRow();
    if (row < 0)
        return;
    Construction copy = m_model->construction(row);
    QString name = tr("%1 (copy)").arg(copy.name);
    QString notes = copy.notes;
    if (!m_dialogs.constructionName(this, tr("Copy construction"), name, notes) || name.trimmed().isEmpty())
        return;
    copy.name = name.trimmed();
    copy.notes = notes;
    selectConstruction(m_model->appendConstruction(copy));
    markChanged();
}

void ConstructionDatabaseWidget::on_actionEditConstruction_triggered() {
    const int row = selectedRow();
    if (row < 0)
        return;
    Construction c = m_model->construction(row);
    QString name = c.name;
    QString notes = c.notes;
    if (!m_dialogs.constructionName(this, tr("Edit construction"), name, notes) || name.trimmed().isEmpty())
        return;
    if (name.trimmed() == c.name && notes == c.notes)
        return;
    c.name = name.trimmed();
    c.notes = notes;
    m_model->replaceConstruction(row, c);
    selectConstruction(row);
    markChanged();
}

void ConstructionDatabaseWidget::on_actionDeleteConstruction_triggered() {
    const int row = selectedRow();
    // By row, so the entry the user sees selected goes, never an equal one elsewhere in the list.
    if (!m_model->removeConstruction(row))
        return;
    selectConstruction(row);
    markChanged();
}

void ConstructionDatabaseWidget::on_actionImportConstructions_triggered() {
    const QString path = m_dialogs.openFileName(this, tr("Select file with construction database."),
                                                m_importDirectory, tr("Database for Tavo 2 (*.constr)"));
    if (path.isEmpty())
        return;
    const int row = selectedRow();
    int added = 0;
    const QString message = m_model->importConstructions(path, &added);
    selectConstruction(row);
    if (added > 0) {
        markChanged();
        m_dialogs.information(this, tr("Constructions added."), message);
    } else {
        m_dialogs.warning(this, tr("Construction read error."), message);
    }
}
