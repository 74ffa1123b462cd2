// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialEditDialog.h"
#include "ui_MaterialEditDialog.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <cmath>
#include <limits>

#include "MaterialValueFormatter.h"
#include "MoistStorageValidator.h"

namespace {

const double Unbounded = std::numeric_limits<double>::max();

// Data of the entries of the type box: no special type, or one flag.
const int NoType = 4;

// The value a field stands for, NaN when it holds no number.
double fieldValue(const VaDar::ValidatingLineEdit *field) {
    double value = 0;
    return field->currentValue(value) ? value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

MaterialEditDialog::MaterialEditDialog(QWidget *parent) : QDialog(parent), m_ui(new Ui::MaterialEditDialog) {
    m_ui->setupUi(this);
    Ui::MaterialEditDialog &ui = *m_ui;
    m_chooseColor = [](QWidget *parent, const QColor &initial, const QString &title) {
        return QColorDialog::getColor(initial, parent, title);
    };
    fillCombos();
    ui.pushButtonColor->setIconSize(QSize(64, 16));
    ui.pushButtonInformation->setEnabled(false);

    ui.lineEditRho->setup(0, Unbounded, tr("The density must be > 0."));
    ui.lineEditLambda->setup(0, Unbounded, tr("The thermal conductivity must be > 0."));
    ui.lineEditLambda->setFormatter(new MaterialValueFormatter(Material::VK_ThermalConductivity));
    ui.lineEditMu->setup(0, Unbounded, tr("The vapor resistance factor must be > 0."));
    ui.lineEditMu->setFormatter(new MaterialValueFormatter(Material::VK_ResistanceFactor));
    // A material without capillary uptake has a coefficient of 0, which makes it no less valid.
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
    ui.lineEdit_sdValue->setup(0, Unbounded, tr("The sd-value must be > 0."));
    ui.lineEdit_sdValue->setFormatter(new MaterialValueFormatter(Material::VK_SdValue));

    const QList<VaDar::ValidatingLineEdit *> numbers{ui.lineEditRho,     ui.lineEditLambda, ui.lineEditMu,
                                                     ui.lineEditW80,     ui.lineEditWSat,   ui.lineEditAw,
                                                     ui.lineEdit_sdValue};
    for (VaDar::ValidatingLineEdit *field : numbers) {
        // OK tells whether the material is complete; nobody needs to be held in a field.
        field->setKeepsFocusOnError(false);
        connect(field, &QLineEdit::textChanged, this, &MaterialEditDialog::checkMaterial);
    }
    // The two moisture contents are checked against each other.
    connect(ui.lineEditW80, &QLineEdit::textChanged, ui.lineEditWSat, &VaDar::ValidatingLineEdit::revalidate);
    connect(ui.lineEditWSat, &QLineEdit::textChanged, ui.lineEditW80, &VaDar::ValidatingLineEdit::revalidate);
    for (QLineEdit *text :
         {ui.lineEditName, ui.lineEditProductId, ui.lineEditProducer, ui.lineEditDataSource})
        connect(text, &QLineEdit::textChanged, this, &MaterialEditDialog::checkMaterial);
    connect(ui.plainTextEditNotes, &QPlainTextEdit::textChanged, this, &MaterialEditDialog::checkMaterial);
    connect(ui.comboBoxCategory, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MaterialEditDialog::checkMaterial);
    connect(ui.comboBoxType, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this]() {
        updateSdVisibility();
        checkMaterial();
    });

    // A third of the screen each way, but room for every field.
    QSize size(600, 350);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = size.expandedTo(available.size() / 3);
        resize(size);
        move(available.center() - rect().center());
    } else {
        resize(size);
    }

    Material material;
    material.color = Material::randomColor();
    setMaterial(material);
}

MaterialEditDialog::~MaterialEditDialog() {
    delete m_ui;
}

void MaterialEditDialog::fillCombos() {
    Ui::MaterialEditDialog &ui = *m_ui;
    ui.comboBoxCategory->addItems(MaterialCategory::names());
    ui.comboBoxType->addItem(QString(), NoType);
    ui.comboBoxType->addItem(tr("Wood"), int(MF_Wood));
    ui.comboBoxType->addItem(tr("Wood based"), int(MF_WoodBased));
    ui.comboBoxType->addItem(tr("Foil"), int(MF_Foil));
}

void MaterialEditDialog::setMaterial(const Material &material) {
    Ui::MaterialEditDialog &ui = *m_ui;
    m_material = material;
    m_color = material.color;
    showColor(m_color);
    ui.lineEditName->setText(material.name);
    ui.comboBoxCategory->setCurrentIndex(material.category.isKnown() ? material.category.value() : -1);
    ui.lineEditProductId->setText(material.productName);
    ui.lineEditProducer->setText(material.producer);
    ui.lineEditDataSource->setText(material.dataSource);
    ui.plainTextEditNotes->setPlainText(material.notes);
    int type = NoType;
    if (!material.isAir()) {
        if (material.isFoil())
            type = MF_Foil;
        else if (material.isWoodBased())
            type = MF_WoodBased;
        else if (material.isWood())
            type = MF_Wood;
    }
    ui.comboBoxType->setCurrentIndex(ui.comboBoxType->findData(type));
    // A new material starts with empty fields rather than with zeros that look like values.
    const bool isNew = material.name.isEmpty() && material.rho == 0 && material.lambda == 0;
    const auto show = [isNew](VaDar::ValidatingLineEdit *field, double value) {
        if (isNew)
            field->clearValue();
        else
            field->setValue(value);
    };
    show(ui.lineEditRho, material.rho);
    show(ui.lineEditLambda, material.lambda);
    show(ui.lineEditMu, material.mu);
    show(ui.lineEditW80, material.w_80);
    show(ui.lineEditWSat, material.w_sat);
    show(ui.lineEditAw, material.m_Aw);
    show(ui.lineEdit_sdValue, material.sd_value);
    ui.lineEditW80->revalidate();
    updateSdVisibility();

    // An air space takes its values from its width: nothing here to edit.
    const bool editable = !material.isAir();
    for (QWidget *input : std::initializer_list<QWidget *>{
             ui.lineEditName, ui.pushButtonColor, ui.comboBoxCategory, ui.lineEditProductId,
             ui.lineEditProducer, ui.lineEditDataSource, ui.lineEditRho, ui.comboBoxType, ui.lineEditLambda,
             ui.lineEditMu, ui.lineEditW80, ui.lineEditWSat, ui.lineEditAw, ui.lineEdit_sdValue})
        input->setEnabled(editable);
    ui.plainTextEditNotes->setReadOnly(!editable);
    if (!editable)
        ui.plainTextEditNotes->setPlainText(tr("Air layer is not editable!"));
    checkMaterial();
}

Material MaterialEditDialog::material() const {
    const Ui::MaterialEditDialog &ui = *m_ui;
    Material m = m_material;
    if (m.isAir())
        return m;
    m.name = ui.lineEditName->text().trimmed();
    m.color = m_color;
    m.category = MaterialCategory(ui.comboBoxCategory->currentIndex());
    m.productName = ui.lineEditProductId->text().trimmed();
    m.producer = ui.lineEditProducer->text().trimmed();
    m.dataSource = ui.lineEditDataSource->text().trimmed();
    m.notes = ui.plainTextEditNotes->toPlainText();
    m.rho = fieldValue(ui.lineEditRho);
    m.lambda = fieldValue(ui.lineEditLambda);
    const double mu = fieldValue(ui.lineEditMu);
    if (mu != m.mu) {
        // A new value replaces the range it came from.
        m.mu = mu;
        m.mu_min = mu;
        m.mu_max = mu;
    }
    m.w_80 = fieldValue(ui.lineEditW80);
    m.w_sat = fieldValue(ui.lineEditWSat);
    m.m_Aw = fieldValue(ui.lineEditAw);
    const int type = ui.comboBoxType->currentData().toInt();
    m.setFlags(false, type == MF_Wood, type == MF_WoodBased, type == MF_Foil);
    m.sd_value = ui.lineEdit_sdValue->isVisibleTo(this) ? fieldValue(ui.lineEdit_sdValue) : 0;
    return m;
}

void MaterialEditDialog::updateSdVisibility() {
    const bool visible = m_ui->comboBoxType->currentData().toInt() == MF_Foil || m_material.sd_value > 0;
    m_ui->labelSdValue->setVisible(visible);
    m_ui->lineEdit_sdValue->setVisible(visible);
    m_ui->labelSdValueUnit->setVisible(visible);
}

void MaterialEditDialog::checkMaterial() {
    const Ui::MaterialEditDialog &ui = *m_ui;
    bool fieldsValid = true;
    for (const VaDar::ValidatingLineEdit *field :
         {ui.lineEditRho, ui.lineEditLambda, ui.lineEditMu, ui.lineEditW80, ui.lineEditWSat, ui.lineEditAw})
        fieldsValid = fieldsValid && field->isValid();
    const Material m = material();
    if (ui.lineEdit_sdValue->isVisibleTo(this))
        fieldsValid = fieldsValid && ui.lineEdit_sdValue->isValid() && m.sd_value > 0;
    const bool ok = !m_material.isAir() && fieldsValid && m.isValid();
    if (QPushButton *button = ui.buttonBox->button(QDialogButtonBox::Ok))
        button->setEnabled(ok);
}

void MaterialEditDialog::showColor(const QColor &color) {
    QPixmap swatch(m_ui->pushButtonColor->iconSize());
    swatch.fill(color.isValid() ? color : QColor(Qt::transparent));
    if (color.isValid()) {
        QPainter painter(&swatch);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    }
    m_ui->pushButtonColor->setIcon(QIcon(swatch));
}

void MaterialEditDialog::on_pushButtonColor_clicked() {
    const QColor color = m_chooseColor(this, m_color, tr("Select Material Color"));
    if (!color.isValid())
        return;
    m_color = color;
    showColor(color);
    checkMaterial();
}

void MaterialEditDialog::setHelpFunction(const std::function<void()> &showHelp) {
    m_showHelp = showHelp;
    m_ui->pushButtonInformation->setEnabled(bool(m_showHelp));
}

void MaterialEditDialog::on_pushButtonInformation_clicked() {
    if (m_showHelp)
        m_showHelp();
}
