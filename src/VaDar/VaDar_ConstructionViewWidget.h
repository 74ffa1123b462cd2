// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_CONSTRUCTIONVIEWWIDGET_H
#define VADAR_CONSTRUCTIONVIEWWIDGET_H

#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

#include "VaDar_ConstructionGraphicsSceneBase.h"
#include "VaDar_ConstructionLayer.h"

class QAction;
class QPaintDevice;
class QToolBar;

namespace VaDar {

class ConstructionView;

/*! A ConstructionView with a toolbar of layer actions above it. The widget only reports what
    the user asks for (assign a material, insert, move or remove a layer); its owner changes the
    construction and hands the new layers back through setData().

    A read-only widget (the default) shows the drawing and reports selections and double clicks,
    but no toolbar. */
class ConstructionViewWidget : public QWidget {
    Q_OBJECT
public:
    explicit ConstructionViewWidget(QWidget *parent = nullptr);

    /*! Shows \a layers (warm side first) with the side labels. \a device measures the texts
        (null: the view); \a visibleItems are bits of ConstructionGraphicsSceneBase::VisibleItem.
        The selected layer stays selected while it exists. */
    void setData(QPaintDevice *device, bool readOnly, const QString &leftLabel, const QString &rightLabel,
                 const QVector<ConstructionLayer> &layers,
                 int visibleItems = ConstructionGraphicsSceneBase::AllItems, bool vertical = false);
    /*! Empties the drawing; nothing is selected and all actions are disabled. */
    void clear();

    bool isReadOnly() const { return m_readOnly; }
    int selectedLayer() const;
    ConstructionView *view() const { return m_view; }
    QToolBar *toolBar() const { return m_toolBar; }
    /*! The six layer actions in toolbar order. */
    const QList<QAction *> &layerActions() const { return m_actions; }

public slots:
    /*! Selects layer \a index in the drawing (-1: none); reported through layerSelected()
        when the selection changes. */
    void selectLayer(int index);

signals:
    void layerSelected(int index);
    void layerDoubleClicked(int index);
    void assignMaterial(int index);
    /*! Insert a new layer beside layer \a index, on its left side when \a left is true. */
    void insertLayer(int index, bool left);
    /*! Swap layer \a index with its left neighbour when \a left is true, else its right one. */
    void moveLayer(int index, bool left);
    void removelayer(int index);

private slots:
    void on_actionAssign_material_triggered();
    void on_actionInsert_layer_left_triggered();
    void on_actionInsert_layer_right_triggered();
    void on_actionRemove_layer_triggered();
    void on_actionMove_layer_left_triggered();
    void on_actionMove_layer_right_triggered();
    void onLayerSelected(int index);
    void onLayerDoubleClicked(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    QAction *addLayerAction(const QString &objectName, const QString &iconName);
    void retranslateUi();
    /*! Enables the actions that can act on the selected layer. */
    void updateActions();

    ConstructionView *m_view;
    QToolBar *m_toolBar;
    QAction *m_actionAssignMaterial;
    QAction *m_actionInsertLayerLeft;
    QAction *m_actionInsertLayerRight;
    QAction *m_actionMoveLayerLeft;
    QAction *m_actionMoveLayerRight;
    QAction *m_actionRemoveLayer;
    QList<QAction *> m_actions;
    bool m_readOnly = true;
};

} // namespace VaDar

#endif // VADAR_CONSTRUCTIONVIEWWIDGET_H
