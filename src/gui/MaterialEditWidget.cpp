// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialEditWidget.h"
#include "ui_MaterialEditWidget.h"

#include <QColorDialog>
#include <QEvent>
#include <QTableWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

#include <limits>

#include "Document.h"
#include "EditorDocument.h"
#include "MaterialValueFormatter.h"
#include "MoistStorageValidator.h"
#include "Settings.h"
#include "T2_UndoLayerColor.h"
#include "T2_UndoMaterialName.h"
#include "T2_UndoMaterialParameters.h"

namespace {

const QChar SuperscriptTwo(0x00B2);
const QChar SuperscriptThree(0x00B3);
const QChar OneHalf(0x00BD);
const QChar MicroSign(0x00B5);
const double Unbounded = std::numeric_limits<double>::max();

// The width unit of the settings as a factor from metres: 1000 mm, 100 cm, 10 dm, else 1 m.
int widthUnit() {
    const int unit = Settings::instance().m_defaultLayerWidthUnit;
    return (unit == 10 || unit == 100 || unit == 1000) ? unit : 1;
}

QString widthUnitName(int unit) {
    switch (unit) {
    case 1000:
        return QStringLiteral("mm");
    case 100:
        return QStringLiteral("cm");
    case 10:
        return QStringLiteral("dm");
    default:
        return QStringLiteral("m");
    }
}

// Factor from the stored water uptake coefficient (per square root of a second) to the shown one.
double waterUptakeFactor() {
    return Settings::instance().m_awInSeconds ? 1.0 : 60.0;
}

} // namespace

MaterialEditWidget::MaterialEditWidget(EditorDocument &document, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::MaterialEditWidget), m_document(document) {
    m_ui->setupUi(this);
    m_chooseColor = [](QWidget *parent, const QColor &initial, const QString &title) {
        return QColorDialog::getColor(initial, parent, title);
    };
    setupFields();
    updateLabels();
    m_ui->lineEditMaterialName->installEventFilter(this);
    m_ui->pushButtonColor->setIconSize(QSize(64, 16));
    connect(&document, &EditorDocument::modified, this, &MaterialEditWidget::reload);
    connect(&Settings::instance(), &Settings::changed, this, [this]() {
        updateLabels();
        reload();
    });
    reload();
}

MaterialEditWidget::~MaterialEditWidget() {
    // Fields that lose the focus while they are destroyed must not reach this editor any more.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
    delete m_ui;
}

void MaterialEditWidget::setupFields() {
    Ui::MaterialEditWidget &ui = *m_ui;
    ui.lineEditWidth->setup(0, Unbounded, tr("The layer width must be > 0."));
    ui.lineEditLambda->setup(0, Unbounded, tr("The thermal conductivity must be > 0."));
    ui.lineEditLambda->setFormatter(new MaterialValueFormatter(Material::VK_ThermalConductivity));
    // The calculation needs at least 0.1: below, a layer would hardly resist vapour at all.
    ui.lineEditMu->setup(0.1, Unbounded, tr("The vapor resistance factor must be at least 0.1."), true);
    ui.lineEditMu->setFormatter(new MaterialValueFormatter(Material::VK_ResistanceFactor));
    // A material without capillary uptake has a coefficient of 0.
    ui.lineEditAw->setup(0, Unbounded, tr("The water uptake coefficient must be > 0."), true);
    ui.lineEditAw->setFormatter(new MaterialValueFormatter(Material::VK_WaterUptake));
    const QString w80Message = tr(
        "The moisture content at 80% humidity must be > 0 and lower than the saturation moisture content.");
    ui.lineEditW80->setup(0, 1, w80Message, true, true);
    ui.lineEditW80->setFormatter(new MaterialValueFormatter(Material::VK_MoistureContent80));
    ui.lineEditW80->setValidator(
        new MoistStorageValidator(MoistStorageValidator::MoistureContent80, ui.lineEditWSat, w80Message));
    const QString wsatMessage =
        tr("The moisture content at saturation must be larger than the moisture content "
           "at 80% humidity and lower equal than 1.0.");
    ui.lineEditWSat->setup(0, 1, wsatMessage, true, true);
    ui.lineEditWSat->setFormatter(new MaterialValueFormatter(Material::VK_MoistureContentSat));
    ui.lineEditWSat->setValidator(new MoistStorageValidator(MoistStorageValidator::MoistureContentSaturation,
                                                            ui.lineEditW80, wsatMessage));
    ui.lineEdit_sdValue->setup(0, Unbounded, tr("The sd-value must be > 0."), true);
    ui.lineEdit_sdValue->setFormatter(new MaterialValueFormatter(Material::VK_SdValue));

    for (VaDar::ValidatingLineEdit *field : {ui.lineEditWidth, ui.lineEditLambda, ui.lineEditMu,
                                             ui.lineEditW80, ui.lineEditWSat, ui.lineEditAw}) {
        connect(field, &VaDar::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &MaterialEditWidget::doubleEditingFinished);
        connect(field, &VaDar::ValidatingLineEdit::editingRefused, this, &MaterialEditWidget::statusMessage);
    }
}

void MaterialEditWidget::updateLabels() {
    Ui::MaterialEditWidget &ui = *m_ui;
    ui.labelWidth->setText(tr("Layer width/height [%1]:").arg(widthUnitName(widthUnit())));
    ui.labelW80->setText(tr("Moisture content at 80% RH [m%1/m%1]:").arg(SuperscriptThree));
    ui.labelWSat->setText(tr("Moisture content at saturation [m%1/m%1]:").arg(SuperscriptThree));
    const QString aw = Settings::instance().m_awInSeconds ? tr("Water absorption coefficient [kg/m%1s%2]:")
                                                          : tr("Water absorption coefficient [kg/m%1h%2]:");
    ui.labelAw->setText(aw.arg(SuperscriptTwo).arg(OneHalf));
    // The fields of both groups line up in one column.
    int labelWidth = 0;
    for (const QLabel *label : findChildren<QLabel *>())
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    ui.gridLayoutLayer->setColumnMinimumWidth(0, labelWidth);
    ui.gridLayoutMaterial->setColumnMinimumWidth(0, labelWidth);
}

void MaterialEditWidget::setLayer(QTableWidget *table, int layerIndex) {
    m_table = table;
    m_layerIndex = layerIndex;
    reload();
}

const MaterialLayer *MaterialEditWidget::layer() const {
    const Document *document = m_document.document();
    if (document == nullptr || m_layerIndex < 0 || m_layerIndex >= document->inputData().layerCount())
        return nullptr;
    return &document->inputData().layer(m_layerIndex);
}

void MaterialEditWidget::reload() {
    Ui::MaterialEditWidget &ui = *m_ui;
    const QList<VaDar::ValidatingLineEdit *> numbers{ui.lineEditWidth,   ui.lineEditLambda, ui.lineEditMu,
                                                     ui.lineEditW80,     ui.lineEditWSat,   ui.lineEditAw,
                                                     ui.lineEdit_sdValue};
    m_loading = true;
    const MaterialLayer *l = layer();
    setEnabled(l != nullptr);
    if (l == nullptr) {
        ui.groupBoxLayer->setTitle(tr("Layer"));
        for (VaDar::ValidatingLineEdit *field : numbers)
            field->clearValue();
        ui.lineEditMaterialName->clear();
        showColor(QColor());
        m_loading = false;
        return;
    }
    ui.groupBoxLayer->setTitle(tr("Layer No. %1").arg(m_layerIndex + 1));
    // The thickness of a foil or coating follows from its sd-value.
    ui.lineEditWidth->setReadOnly(l->sd_value != 0);
    ui.lineEditWidth->setValue(l->width(widthUnit()));
    showColor(l->color);
    ui.lineEditMaterialName->setText(l->name);
    ui.lineEditMaterialName->setCursorPosition(0);
    ui.lineEditLambda->setValue(l->lambda);
    ui.lineEditMu->setValue(l->mu);
    ui.lineEditW80->setValue(l->w_80);
    ui.lineEditWSat->setValue(l->w_sat);
    ui.lineEditW80->revalidate(); // against the saturation value just shown
    ui.lineEditAw->setValue(l->m_Aw * waterUptakeFactor());
    ui.lineEdit_sdValue->setValue(l->muEff() * l->width());
    // An air space takes its values from its width; only width, colour and name are its own.
    for (VaDar::ValidatingLineEdit *field :
         {ui.lineEditLambda, ui.lineEditMu, ui.lineEditW80, ui.lineEditWSat, ui.lineEditAw})
        field->setEnabled(!l->isAir());
    m_loading = false;
}

void MaterialEditWidget::showColor(const QColor &color) {
    QPixmap swatch(m_ui->pushButtonColor->iconSize());
    swatch.fill(Qt::transparent);
    if (color.isValid()) {
        QPainter painter(&swatch);
        painter.fillRect(swatch.rect(), color);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    }
    m_ui->pushButtonColor->setIcon(QIcon(swatch));
}

bool MaterialEditWidget::push(T2_UndoCommandBase *command) {
    if (!m_document.push(command))
        return false;
    emit constructionChanged();
    return true;
}

void MaterialEditWidget::doubleEditingFinished() {
    auto *field = qobject_cast<VaDar::ValidatingLineEdit *>(sender());
    if (field == nullptr || m_loading || layer() == nullptr)
        return;
    const Ui::MaterialEditWidget &ui = *m_ui;
    const int i = m_layerIndex;
    int parameter = 0;
    QString description;
    if (field == ui.lineEditWidth) {
        parameter = MaterialLayer::Width;
        description = tr("Undo layer width change at layer No. %1").arg(i);
    } else if (field == ui.lineEditLambda) {
        parameter = MaterialLayer::ThermalConductivity;
        description = tr("Undo lambda change at layer No. %1").arg(i);
    } else if (field == ui.lineEditMu) {
        parameter = MaterialLayer::ResistanceFactor;
        description = tr("Undo %L1-value change at layer No. %2").arg(QString(MicroSign)).arg(i);
    } else if (field == ui.lineEditW80) {
        parameter = MaterialLayer::MoistureContent80;
        description = tr("Undo w_80 change at layer No. %1").arg(i);
    } else if (field == ui.lineEditWSat) {
        parameter = MaterialLayer::MoistureContentSaturation;
        description = tr("Undo w_sat change at layer No. %1").arg(i);
    } else if (field == ui.lineEditAw) {
        parameter = MaterialLayer::WaterUptake;
        description = tr("Undo Aw change at layer No. %1").arg(i);
    } else {
        return;
    }
    // A refused or unchanged value leaves the project as it is; show what it holds.
    if (!push(new T2_UndoMaterialParameters(m_document, m_table, field, description, parameter, i)))
        reload();
}

void MaterialEditWidget::on_lineEditMaterialName_editingFinished() {
    const MaterialLayer *l = layer();
    if (m_loading || l == nullptr)
        return;
    QLineEdit *field = m_ui->lineEditMaterialName;
    const QString name = field->text().trimmed();
    if (name == l->name) {
        field->setText(l->name);
        return;
    }
    if (name.isEmpty()) {
        field->setText(l->name);
        emit statusMessage(tr("The material name must not be empty."));
        return;
    }
    push(new T2_UndoMaterialName(m_document, m_table, field,
                                 tr("Undo change of material name at layer No. %1").arg(m_layerIndex),
                                 m_layerIndex, name));
}

void MaterialEditWidget::on_pushButtonColor_clicked() {
    const MaterialLayer *l = layer();
    if (m_loading || l == nullptr)
        return;
    const int i = m_layerIndex;
    const QColor color = m_chooseColor(this, l->color, tr("Select Layer Color"));
    if (!color.isValid())
        return;
    push(new T2_UndoLayerColor(m_document, m_table, tr("Undo change of color at layer No. %1").arg(i), i,
                               color));
}

bool MaterialEditWidget::eventFilter(QObject *watched, QEvent *event) {
    // Escape in the name field brings the layer's name back.
    if (watched == m_ui->lineEditMaterialName && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        const MaterialLayer *l = layer();
        if (l != nullptr && m_ui->lineEditMaterialName->text() != l->name) {
            m_ui->lineEditMaterialName->setText(l->name);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MaterialEditWidget::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        updateLabels();
        reload();
    }
    QWidget::changeEvent(event);
}

void MaterialEditWidget::showEvent(QShowEvent *event) {
    // The settings may have changed while the editor was hidden.
    updateLabels();
    reload();
    QWidget::showEvent(event);
}
