// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALEDITDIALOG_H
#define MATERIALEDITDIALOG_H

#include <QColor>
#include <QDialog>

#include <functional>

#include "Material.h"

namespace Ui {
class MaterialEditDialog;
}

/*! Creates or edits one material record of the material database: its descriptive texts,
    category, colour, type (wood, wood based, foil) and hygrothermal values. OK is enabled only
    while the fields describe a complete, valid material (Material::isValid() and every field's
    own rule). The dialog only collects the values: its caller stores the material it returns.

    An air layer material takes its values from its thickness and cannot be edited here. */
class MaterialEditDialog : public QDialog {
    Q_OBJECT
public:
    /*! Asks for a colour, starting at \a initial; an invalid colour means cancelled. */
    using ColorChooser = std::function<QColor(QWidget *parent, const QColor &initial, const QString &title)>;

    /*! A dialog for a new material: empty texts, no category chosen, a random colour. */
    explicit MaterialEditDialog(QWidget *parent = nullptr);
    ~MaterialEditDialog() override;

    /*! Shows \a material for editing. */
    void setMaterial(const Material &material);
    /*! The material as edited: the one shown with the values of the fields. Its id, product
        codes, dates and air flag stay those of the material shown. */
    Material material() const;

    /*! What "Information about material properties" opens; the button is disabled without it. */
    void setHelpFunction(const std::function<void()> &showHelp);
    /*! Replaces the colour dialog (tests). */
    void setColorChooser(const ColorChooser &chooser) { m_chooseColor = chooser; }

public slots:
    /*! Enables OK only for a complete, valid material. */
    void checkMaterial();

private slots:
    void on_pushButtonColor_clicked();
    void on_pushButtonInformation_clicked();

private:
    /*! Shows the sd-value for foils and for materials that carry one. */
    void updateSdVisibility();
    void showColor(const QColor &color);
    void fillCombos();

    Ui::MaterialEditDialog *m_ui;
    Material m_material; ///< the material shown; material() starts from it
    QColor m_color;
    std::function<void()> m_showHelp;
    ColorChooser m_chooseColor;
};

#endif // MATERIALEDITDIALOG_H
