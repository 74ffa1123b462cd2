// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>

#include "Document.h"
#include "EditorDocument.h"
#include "MaterialEditDialog.h"
#include "MaterialEditWidget.h"
#include "MaterialList.h"
#include "Project.h"
#include "Settings.h"
#include "VaDar_ValidatingLineEdit.h"

using Field = VaDar::ValidatingLineEdit;

namespace {

Material brick() {
    Material m("Brick", MaterialCategory(MaterialCategory::BuildingBrick), "", "", "", "", 1800, 0.0345, 10,
               0.01, 0.3, 0.005, 7);
    m.color = QColor(200, 80, 60);
    return m;
}

// A project of a brick layer (index 0) and an air space (index 1), and the layer editor on it.
struct Editor {
    Project project;
    EditorDocument document{project};
    MaterialEditWidget widget{document};
    QStringList statusMessages;

    Editor() {
        project.newDocument();
        project.document()->inputData().layers()
            << MaterialLayer(brick(), 0.24) << MaterialLayer(MaterialList::airLayerMaterial(), 0.04);
        project.setModified(Project::ModificationType::InputData);
        QObject::connect(&widget, &MaterialEditWidget::statusMessage,
                         [this](const QString &m) { statusMessages << m; });
        widget.setLayer(nullptr, 0);
        widget.show();
    }
    const MaterialLayer &layer(int i = 0) const { return project.document()->inputData().layer(i); }
    int steps() { return document.undoStack()->count(); }
    template <class T = Field> T *child(const QString &name) const { return widget.findChild<T *>(name); }
    void type(const QString &name, const QString &text, Qt::Key finish = Qt::Key_Return) {
        QLineEdit *field = child<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, finish);
    }
};

} // namespace

// The layer editor and the material dialog as a user types into them: what reaches the
// project (through the undo history), what is refused and why.
class tst_MaterialEditors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { Settings::instance().resetToDefaults(); } // widths in mm, water uptake per hour
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void typedValue_data() {
        QTest::addColumn<int>("widthUnit");
        QTest::addColumn<bool>("awInSeconds");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("parameter");
        QTest::addColumn<double>("stored"); // the model value afterwards
        QTest::addColumn<QString>("refusal");
        const QString w80 = "The moisture content at 80% humidity must be > 0 and lower than the saturation "
                            "moisture content.\n";
        QTest::newRow("width in cm") << 100 << false << "lineEditWidth"
                                     << "12" << 5 << 0.12 << "";
        QTest::newRow("width 0 refused") << 1000 << false << "lineEditWidth"
                                         << "0" << 5 << 0.24 << "The layer width must be > 0.";
        QTest::newRow("Aw per hour") << 1000 << false << "lineEditAw"
                                     << "0.6" << 4 << 0.01 << "";
        QTest::newRow("Aw per second") << 1000 << true << "lineEditAw"
                                       << "0.6" << 4 << 0.6 << "";
        QTest::newRow("lambda") << 1000 << false << "lineEditLambda"
                                << "0.04" << 3 << 0.04 << "";
        QTest::newRow("mu 0.05 refused")
            << 1000 << false << "lineEditMu"
            << "0.05" << 0 << 10.0 << "The vapor resistance factor must be at least 0.1.";
        QTest::newRow("mu 0.1 accepted") << 1000 << false << "lineEditMu"
                                         << "0.1" << 0 << 0.1 << "";
        QTest::newRow("w_80 above w_sat refused")
            << 1000 << false << "lineEditW80"
            << "0.35" << 1 << 0.01
            << w80 + "Moisture content at 80%RH greater or equal saturation moisture content";
        QTest::newRow("w_80 with a 95 % content above w_sat refused")
            << 1000 << false << "lineEditW80"
            << "0.26" << 1 << 0.01
            << w80 + "Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal "
                     "saturation "
                     "moisture content";
        QTest::newRow("w_sat of 1 accepted") << 1000 << false << "lineEditWSat"
                                             << "1" << 2 << 1.0 << "";
    }
    void typedValue() {
        QFETCH(int, widthUnit);
        QFETCH(bool, awInSeconds);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, parameter);
        QFETCH(double, stored);
        QFETCH(QString, refusal);
        Settings::instance().m_defaultLayerWidthUnit = widthUnit;
        Settings::instance().m_awInSeconds = awInSeconds;
        Editor e;
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        const MaterialLayer before = e.layer();
        e.type(field, text, Qt::Key_Tab);
        QCOMPARE(e.layer().parameter(parameter), stored);
        Field *edit = e.child(field);
        if (refusal.isEmpty()) {
            QCOMPARE(e.steps(), 1);
            QVERIFY(e.statusMessages.isEmpty() && edit->toolTip().isEmpty());
            e.document.undoStack()->undo();
            QVERIFY(e.layer() == before);
            e.document.undoStack()->redo();
            QCOMPARE(e.layer().parameter(parameter), stored);
        } else {
            QCOMPARE(e.steps(), 0);
            QVERIFY(e.layer() == before);
            QCOMPARE(edit->toolTip(), refusal);
            QCOMPARE(e.statusMessages, QStringList{refusal});
            QVERIFY(edit->hasFocus()); // Tab did not take the refused value away
        }
    }

    // The fields show rounded values (0.0345 as "0.035"); walking through them with Tab and Enter
    // must leave the exact values alone.
    void untouchedFieldsChangeNothing() {
        Editor e;
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        QCOMPARE(e.child("lineEditLambda")->text(), QString("0.035"));
        const QStringList order{"lineEditWidth", "pushButtonColor", "lineEditMaterialName", "lineEditLambda",
                                "lineEditMu",    "lineEditW80",     "lineEditWSat",         "lineEditAw"};
        e.child("lineEditWidth")->setFocus();
        for (const QString &name : order) {
            QWidget *focused = QApplication::focusWidget();
            QCOMPARE(focused->objectName(), name); // the tab order of the form
            if (qobject_cast<QLineEdit *>(focused))
                QTest::keyClick(focused, Qt::Key_Return);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(e.steps(), 0);
        QCOMPARE(e.layer().lambda, 0.0345);
    }

    void escapeRestoresTheShownValue() {
        Editor e;
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        Field *width = e.child("lineEditWidth");
        width->setFocus();
        QTest::keyClicks(width, "9");
        QTest::keyClick(width, Qt::Key_Escape);
        QCOMPARE(width->text(), QString("240"));
        QTest::keyClick(width, Qt::Key_Tab);
        QCOMPARE(e.steps(), 0);
        QLineEdit *name = e.child<QLineEdit>("lineEditMaterialName");
        name->setFocus();
        QTest::keyClicks(name, "xyz");
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(name->text(), QString("Brick"));
    }

    void name() {
        Editor e;
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        e.type("lineEditMaterialName", "Clinker");
        QCOMPARE(e.layer().name, QString("Clinker"));
        QCOMPARE(e.document.undoStack()->undoText(),
                 QString(": Undo change of material name at layer No. 0"));
        e.type("lineEditMaterialName", "Clinker"); // the same name again: no step
        e.type("lineEditMaterialName", " ");       // no name at all: refused
        QCOMPARE(e.steps(), 1);
        QCOMPARE(e.child<QLineEdit>("lineEditMaterialName")->text(), QString("Clinker"));
        QCOMPARE(e.statusMessages, QStringList{"The material name must not be empty."});
    }

    void colour() {
        Editor e;
        QList<QColor> answers{QColor(), Qt::blue};
        QString title;
        e.widget.setColorChooser([&](QWidget *, const QColor &initial, const QString &t) {
            title = t;
            return initial == brick().color ? answers.takeFirst() : QColor();
        });
        QPushButton *button = e.child<QPushButton>("pushButtonColor");
        QTest::mouseClick(button, Qt::LeftButton); // cancelled
        QCOMPARE(e.steps(), 0);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(title, QString("Select Layer Color"));
        QCOMPARE(e.layer().color, QColor(Qt::blue));
        QCOMPARE(e.document.undoStack()->undoText(), QString(": Undo change of color at layer No. 0"));
    }

    void germanNumbers() {
        QLocale german(QLocale::German, QLocale::Germany);
        german.setNumberOptions(QLocale::OmitGroupSeparator);
        QLocale::setDefault(german);
        Editor e;
        QVERIFY(QTest::qWaitForWindowActive(&e.widget));
        QCOMPARE(e.child("lineEditW80")->text(), QString("0,0100"));
        e.type("lineEditLambda", "0,04");
        QCOMPARE(e.layer().lambda, 0.04);
        QCOMPARE(e.child("lineEditLambda")->text(), QString("0,040"));
    }

    // Labels and values follow the preferences at once: a value typed per hour under a label
    // still saying per second would be off by a factor of 60.
    void unitsFollowTheSettings() {
        Editor e;
        QCOMPARE(e.child<QLabel>("labelWidth")->text(), QString("Layer width/height [mm]:"));
        QCOMPARE(e.child<QLabel>("labelAw")->text(), QString("Water absorption coefficient [kg/m²h½]:"));
        QCOMPARE(e.child("lineEditWidth")->text(), QString("240"));
        QCOMPARE(e.child("lineEditAw")->text(), QString("0.3000"));
        Settings::instance().m_defaultLayerWidthUnit = 100;
        Settings::instance().m_awInSeconds = true;
        Settings::instance().notifyChanged();
        QCOMPARE(e.child<QLabel>("labelWidth")->text(), QString("Layer width/height [cm]:"));
        QCOMPARE(e.child<QLabel>("labelAw")->text(), QString("Water absorption coefficient [kg/m²s½]:"));
        QCOMPARE(e.child("lineEditWidth")->text(), QString("24"));
        QCOMPARE(e.child("lineEditAw")->text(), QString("5.00e-03"));
    }

    void airLayer() {
        Editor e;
        e.widget.setLayer(nullptr, 1);
        for (const char *name : {"lineEditLambda", "lineEditMu", "lineEditW80", "lineEditWSat", "lineEditAw"})
            QVERIFY2(!e.child(name)->isEnabled(), name);
        QVERIFY(e.child("lineEditWidth")->isEnabled());
        QVERIFY(e.child<QLineEdit>("lineEditMaterialName")->isEnabled());
        QCOMPARE(e.child("lineEdit_sdValue")->text(), QString("0.01")); // an air space of any width
        e.widget.setLayer(nullptr, 2);                                  // no such layer
        QVERIFY(!e.widget.isEnabled());
    }

    void dialogAcceptsOnlyAValidMaterial() {
        MaterialEditDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        const auto type = [&dialog](const char *name, const QString &text) {
            QLineEdit *field = dialog.findChild<QLineEdit *>(name);
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Tab);
        };
        QVERIFY(dialog.material().color.isValid()); // a new material gets a colour
        QVERIFY(!ok->isEnabled());
        type("lineEditName", "Lime plaster");
        dialog.findChild<QComboBox *>("comboBoxCategory")
            ->setCurrentIndex(MaterialCategory::PlasterAndMortar);
        type("lineEditRho", "1600");
        type("lineEditLambda", "0.7");
        type("lineEditMu", "10");
        type("lineEditW80", "0.03");
        type("lineEditWSat", "0.4");
        QVERIFY(!ok->isEnabled()); // no water uptake coefficient yet
        type("lineEditAw", "0");   // none is a valid value
        QVERIFY(ok->isEnabled());
        type("lineEditW80", "0.4");
        QVERIFY(!ok->isEnabled());
        QVERIFY(dialog.findChild<Field *>("lineEditW80")->toolTip().contains("greater or equal saturation"));
        type("lineEditW80", "0.05");
        QVERIFY(ok->isEnabled());

        QComboBox *kind = dialog.findChild<QComboBox *>("comboBoxType");
        QVERIFY(!dialog.findChild<Field *>("lineEdit_sdValue")->isVisible());
        kind->setCurrentIndex(kind->findText("Foil"));
        QVERIFY(dialog.findChild<Field *>("lineEdit_sdValue")->isVisible());
        QVERIFY(!ok->isEnabled()); // a foil needs its sd-value
        type("lineEdit_sdValue", "2");
        QVERIFY(ok->isEnabled());

        const Material m = dialog.material();
        QVERIFY(m.isValid() && m.isFoil() && !m.isWood());
        QCOMPARE(m.name, QString("Lime plaster"));
        QCOMPARE(m.category.value(), int(MaterialCategory::PlasterAndMortar));
        QCOMPARE(m.w_80, 0.05);
        QCOMPARE(m.sd_value, 2.0);
        QTest::keyClick(dialog.findChild<QLineEdit *>("lineEditName"), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // What the dialog does not show stays as it was; an air space is shown but not edited.
    void dialogKeepsTheRest() {
        MaterialEditDialog dialog;
        Material m = brick();
        m.mu_min = 5;
        m.mu_max = 15;
        m.productCodes = {3, 4};
        m.setFlag(MF_Wood);
        dialog.setMaterial(m);
        QCOMPARE(dialog.findChild<QComboBox *>("comboBoxType")->currentText(), QString("Wood"));
        QVERIFY(dialog.material() == m); // untouched: the exact values, not the rounded texts
        QCOMPARE(dialog.material().lambda, 0.0345);
        dialog.findChild<Field *>("lineEditMu")->setText("12");
        const Material edited = dialog.material();
        QCOMPARE(edited.mu, 12.0);
        QCOMPARE(edited.mu_min, 12.0); // the range goes with a new value
        QCOMPARE(edited.materialId, 7);
        QCOMPARE(edited.productCodes, m.productCodes);

        dialog.setMaterial(MaterialList::airLayerMaterial());
        QVERIFY(!dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!dialog.findChild<Field *>("lineEditLambda")->isEnabled());
        QCOMPARE(dialog.findChild<QPlainTextEdit *>()->toPlainText(), QString("Air layer is not editable!"));
        QVERIFY(dialog.material() == MaterialList::airLayerMaterial());
        QVERIFY(!dialog.findChild<QPushButton *>("pushButtonInformation")->isEnabled());
    }
};

QTEST_MAIN(tst_MaterialEditors)
#include "tst_MaterialEditors.moc"
