// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALEDITWIDGET_H
#define MATERIALEDITWIDGET_H

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class EditorDocument;
class MaterialLayer;
class QTableWidget;
class T2_UndoCommandBase;

namespace Ui {
class MaterialEditWidget;
}

namespace VaDar {
class ValidatingLineEdit;
}

/*! The editor of the layer selected in the construction table: width and colour of the layer,
    name and hygrothermal values of its material. Every accepted edit becomes an undo command on
    the document's history; the widget itself never changes the project.

    Values are shown in the units of the settings (layer width in the default width unit, water
    uptake per square root of an hour or of a second) and follow them at once when the settings
    change. A field left without typing changes nothing, so the rounded values shown never
    replace the exact ones. For an air layer only width, colour and name can be edited; a layer
    whose thickness follows from its sd-value has no editable width. */
class MaterialEditWidget : public QWidget {
    Q_OBJECT
public:
    /*! Asks for a colour, starting at \a initial; an invalid colour means cancelled. */
    using ColorChooser = std::function<QColor(QWidget *parent, const QColor &initial, const QString &title)>;

    explicit MaterialEditWidget(EditorDocument &document, QWidget *parent = nullptr);
    ~MaterialEditWidget() override;

    /*! Shows layer \a layerIndex of the project (-1: none) and lets the commands select their
        layer in \a table (may be null). */
    void setLayer(QTableWidget *table, int layerIndex);
    /*! The index of the layer shown, -1 for none. */
    int layerIndex() const { return m_layerIndex; }

    /*! Replaces the colour dialog (tests). */
    void setColorChooser(const ColorChooser &chooser) { m_chooseColor = chooser; }

public slots:
    /*! Fills every field from the project again. */
    void reload();

signals:
    /*! An edit was recorded and has changed the construction. */
    void constructionChanged();
    /*! A note for the status bar: why a value was refused. */
    void statusMessage(const QString &message);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_pushButtonColor_clicked();
    void on_lineEditMaterialName_editingFinished();
    /*! A number field was left with an accepted new value. */
    void doubleEditingFinished();

private:
    void setupFields();
    void updateLabels();
    /*! The layer shown, or null when there is none. */
    const MaterialLayer *layer() const;
    void showColor(const QColor &color);
    /*! Records \a command; true when it changed the project. */
    bool push(T2_UndoCommandBase *command);

    Ui::MaterialEditWidget *m_ui;
    EditorDocument &m_document;
    QPointer<QTableWidget> m_table;
    int m_layerIndex = -1;
    ColorChooser m_chooseColor;
    bool m_loading = false; ///< no commands while the fields are filled
};

#endif // MATERIALEDITWIDGET_H
