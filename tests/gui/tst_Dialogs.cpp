#include <QtTest>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "AboutDialog.h"
#include "LogFileDialog.h"
#include "MaterialPickerDialog.h"

// The small dialogs of the main window: the material picker, the log file viewer, the about
// dialog.
class tst_Dialogs : public QObject {
    Q_OBJECT

    static Material material(const QString &name, int category) {
        return Material(name, MaterialCategory::fromRawValue(category), "", "", "", "", 1000, 0.5, 10, 0.01,
                        0.2, 0.01, 1);
    }

private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(tavo_artwork);
        QLocale::setDefault(QLocale::c());
    }
    // A search field's clear button fades in with an animation that Qt deletes only once it has
    // run; let it end so the leak checker of the sanitizer build sees nothing left over.
    void cleanupTestCase() { QTest::qWait(400); }

    void pickerSearches_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("shown"); // names shown, the first one selected
        QTest::newRow("everything") << ""
                                    << "Lime plaster|EPS board|Glass wool|My EPS";
        QTest::newRow("any case, built-in and user") << "eps"
                                                     << "EPS board|My EPS";
        QTest::newRow("by database") << "user"
                                     << "My EPS";
        QTest::newRow("nothing") << "granite"
                                 << "";
    }
    void pickerSearches() {
        QFETCH(QString, search);
        QFETCH(QString, shown);
        MaterialPickerDialog picker(
            {material("Lime plaster", 1), material("EPS board", 5), material("Glass wool", 5)},
            {material("My EPS", 5)});
        picker.setSearchText(search);
        QStringList names;
        for (int row = 0; row < picker.shownCount(); ++row)
            names << picker.shownName(row);
        QCOMPARE(names.join('|'), shown);
        // typing preselects the first match, so Enter takes it; no match, no choice
        QCOMPARE(picker.hasSelection(), !search.isEmpty() && !shown.isEmpty());
        QCOMPARE(picker.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled(),
                 picker.hasSelection());
        if (picker.hasSelection())
            QCOMPARE(picker.selectedMaterial().name, names.first());
        picker.selectShown(names.size() - 1);
        QCOMPARE(picker.hasSelection(), !names.isEmpty());
    }

    void pickerTakesTheDoubleClickedMaterial() {
        MaterialPickerDialog picker({material("A", 1), material("B", 1)}, {});
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QTreeView *view = picker.findChild<QTreeView *>();
        const QRect row = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(picker.selectedMaterial().name, QString("B"));
    }

    void logFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavo2.log");
        LogFileDialog missing(path);
        QVERIFY(missing.text().startsWith("The log file '" + path + "' cannot be read:"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray line = QByteArray(99, 'x') + '\n';
        for (qint64 i = 0; i < LogFileDialog::MaximumShownBytes / line.size() + 10; ++i)
            file.write(line);
        file.write("last line\n");
        file.close();
        // a long log is shown from a line start near its end
        LogFileDialog log(path);
        QVERIFY(log.text().startsWith("[Only the end of the log file is shown.]\nxxx"));
        QVERIFY(log.text().endsWith("last line\n"));
        QVERIFY(log.text().size() <= LogFileDialog::MaximumShownBytes + 100);
    }

    void aboutAsksForHelpOnF1() {
        AboutDialog about;
        QSignalSpy help(&about, &AboutDialog::helpRequested);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_F1);
        QCOMPARE(help.count(), 1);
        QVERIFY(about.windowTitle() == "About Tavo 2");
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
