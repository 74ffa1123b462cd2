// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>

#include <unistd.h>

#include "ConfigDialog.h"
#include "ConfigPageGeneral.h"
#include "ConfigPrintDefaults.h"
#include "DINCriteriaSettings.h"
#include "Directories.h"
#include "DryingReserveSettings.h"
#include "MaterialList.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "ZMT_MessageHandler.h"

// The preferences as the user works them: choose on a page, press OK or Cancel, open again.
class tst_ConfigDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<ConfigDialog> m_dialog;

    void open() {
        m_dialogs.kinds.clear();
        m_dialog.reset(new ConfigDialog(Settings::instance(), m_dialogs));
        m_dialog->show();
    }
    // Presses OK; true when the dialog closed.
    bool pressOk() {
        auto *buttons = m_dialog->findChild<QDialogButtonBox *>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return !m_dialog->isVisible();
    }
    void showPage(int row) {
        QListWidget *list = m_dialog->pageList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        QCOMPARE(m_dialog->pages()->currentIndex(), row);
    }
    QComboBox *combo(const char *name) const { return m_dialog->findChild<QComboBox *>(name); }
    QLineEdit *directoryField() const { return m_dialog->findChild<QLineEdit *>("lineEditUserMatDir"); }
    void chooseDirectory(const QString &text) {
        directoryField()->clear();
        QTest::keyClicks(directoryField(), text);
    }

private slots:
    void initTestCase() {
        ZMT::messageHandler()->setConsoleVerbosityLevel(0);
        QVERIFY(m_tmp.isValid());
    }
    void init() { Settings::instance().resetToDefaults(); }
    void cleanup() { m_dialog.reset(); }

    // The width unit chosen is stored as its factor and shown again; a stored factor the program
    // does not know shows millimetres.
    void widthUnit_data() {
        QTest::addColumn<int>("stored");   // before the dialog opens
        QTest::addColumn<int>("shown");    // index shown when it opens
        QTest::addColumn<int>("chosen");   // index chosen
        QTest::addColumn<int>("expected"); // factor stored by OK
        QTest::newRow("mm to dm") << 1000 << 0 << 2 << 10;
        QTest::newRow("dm to cm") << 10 << 2 << 1 << 100;
        QTest::newRow("cm to m") << 100 << 1 << 3 << 1;
        QTest::newRow("m to mm") << 1 << 3 << 0 << 1000;
        QTest::newRow("unknown factor shows mm") << 5 << 0 << 0 << 1000;
    }
    void widthUnit() {
        QFETCH(int, stored);
        QFETCH(int, chosen);
        QFETCH(int, expected);
        Settings::instance().m_defaultLayerWidthUnit = stored;
        open();
        QTEST(combo("comboBoxWidthUnit")->currentIndex(), "shown");
        combo("comboBoxWidthUnit")->setCurrentIndex(chosen);
        QVERIFY(pressOk());
        QCOMPARE(Settings::instance().m_defaultLayerWidthUnit, expected);
        open();
        QCOMPARE(combo("comboBoxWidthUnit")->currentIndex(), chosen);
    }

    void otherGeneralChoices() {
        open();
        QCOMPARE(combo("comboBoxAwUnit")->currentIndex(), 1); // per square root of an hour
        QCOMPARE(combo("comboBoxDefaultStartUp")->currentIndex(), 1);
        combo("comboBoxAwUnit")->setCurrentIndex(0);
        combo("comboBoxDefaultStartUp")->setCurrentIndex(0);
        QVERIFY(pressOk());
        QVERIFY(Settings::instance().m_awInSeconds);
        QCOMPARE(Settings::instance().m_defaultRestartMode, 0);
    }

    // Only a directory that can hold the databases is taken; a refused one is reported, keeps
    // the dialog open and leaves every setting as it was.
    void userDirectory_data() {
        QTest::addColumn<QString>("typed"); // relative to the temporary folder unless absolute
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored"); // relative to the temporary folder; "-": unchanged
        const QString invalid = "Directory not valid. | ";
        QTest::newRow("existing file") << "a-file" << invalid + "There exist a file with the same name."
                                       << "-";
        QTest::newRow("blank text") << "   " << invalid + "The given text cannot be used as directory."
                                    << "-";
        QTest::newRow("missing folders are created") << "new/user db" << QString() << "new/user db";
        QTest::newRow("stored cleaned") << "new/../other//db/" << QString() << "other/db";
        QTest::newRow("existing directory") << "existing" << QString() << "existing";
        QTest::newRow("below a file")
            << "a-file/db"
            << "Directory not writebale. | The material database cannot be stored here."
            << "-";
    }
    void userDirectory() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        QDir base(m_tmp.path());
        QFile file(base.filePath("a-file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(base.mkpath("existing"));
        const QString before = base.filePath("before");
        Settings::instance().m_userMaterialsDirectory = before;
        Settings::instance().m_defaultLayerWidthUnit = 100;
        open();
        QCOMPARE(directoryField()->text(), before);
        combo("comboBoxWidthUnit")->setCurrentIndex(0);
        chooseDirectory(typed.trimmed().isEmpty() ? typed : base.filePath(typed));
        const bool closed = pressOk();
        QCOMPARE(closed, message.isEmpty());
        QCOMPARE(m_dialogs.kinds.isEmpty() ? QString() : m_dialogs.message, message);
        const Settings &settings = Settings::instance();
        if (stored == "-") {
            QCOMPARE(settings.m_userMaterialsDirectory, before);
            QCOMPARE(settings.m_defaultLayerWidthUnit, 100);
            QCOMPARE(m_dialog->pages()->currentIndex(), 0);
        } else {
            QCOMPARE(settings.m_userMaterialsDirectory, QDir::cleanPath(base.filePath(stored)));
            QVERIFY(QFileInfo(settings.m_userMaterialsDirectory).isDir());
            QVERIFY(!QFile::exists(QDir(settings.m_userMaterialsDirectory).filePath("text.tst")));
            QCOMPARE(settings.m_defaultLayerWidthUnit, 1000);
        }
    }

    // A relative name is taken relative to the working directory and stored absolute; a probe
    // file of the user's own is left where it is.
    void relativeDirectoryStoredAbsolute() {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_tmp.path()));
        QVERIFY(QDir(m_tmp.path()).mkpath("mine"));
        QFile own(m_tmp.filePath("mine/text.tst"));
        QVERIFY(own.open(QIODevice::WriteOnly) && own.write("keep") == 4);
        own.close();
        open();
        chooseDirectory("mine");
        QVERIFY(pressOk());
        QDir::setCurrent(previous);
        QCOMPARE(Settings::instance().m_userMaterialsDirectory, QDir(m_tmp.path()).filePath("mine"));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("keep"));
    }

    void unwritableDirectoryRefused() {
        if (geteuid() == 0)
            QSKIP("access rights do not bind the superuser");
        const QString locked = m_tmp.filePath("locked");
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        open();
        chooseDirectory(locked + "/db");
        QVERIFY(!pressOk());
        QCOMPARE(m_dialogs.message,
                 QString("Directory not writebale. | The material database cannot be stored here."));
        QVERIFY(Settings::instance().m_userMaterialsDirectory.isEmpty());
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The new directory is used from the next start: the running databases are written back to
    // the old one, and databases already in the new one stay untouched.
    void databasesStayInOldDirectory() {
        const QString oldDir = m_tmp.filePath("old-db"), newDir = m_tmp.filePath("new-db");
        QVERIFY(QDir().mkpath(oldDir) && QDir().mkpath(newDir));
        QFile theirs(QDir(newDir).filePath(MaterialList::UserFileName));
        QVERIFY(theirs.open(QIODevice::WriteOnly) && theirs.write("other installation") > 0);
        theirs.close();
        Settings::instance().m_userMaterialsDirectory = oldDir;
        MaterialList running("en", resourcesDir() + "/DB_materials", oldDir);
        QVERIFY(running.read());
        running.addUserMaterial(Material("Mine", MaterialCategory(MaterialCategory::Insulation), "", "", "",
                                         "", 30, 0.035, 1, 0.001, 0.9, 0, 0));
        open();
        chooseDirectory(newDir);
        QVERIFY(pressOk());
        QCOMPARE(Settings::instance().m_userMaterialsDirectory, newDir);
        QVERIFY(running.writeUserData());
        QCOMPARE(MaterialList::readUserFile(QDir(oldDir).filePath(MaterialList::UserFileName)).size(), 1);
        QVERIFY(theirs.open(QIODevice::ReadOnly));
        QCOMPARE(theirs.readAll(), QByteArray("other installation"));
    }

    void chooseDirectoryWithButton() {
        const QString chosen = m_tmp.filePath("picked");
        m_dialogs.fileNames << chosen;
        open();
        QTest::mouseClick(m_dialog->findChild<QToolButton *>("toolButtonUserMaterialDir"), Qt::LeftButton);
        QCOMPARE(m_dialogs.kinds, QStringList{"directory"});
        QCOMPARE(directoryField()->text(), chosen);
        QVERIFY(pressOk());
        QCOMPARE(Settings::instance().m_userMaterialsDirectory, chosen);
    }

    // The default project information and print configuration, and Cancel storing nothing.
    void projectDefaultsAndPrintDefaults_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK stores") << true;
        QTest::newRow("Cancel stores nothing") << false;
    }
    void projectDefaultsAndPrintDefaults() {
        QFETCH(bool, accept);
        Settings::instance().m_defaultProjectInformation.DisclaimerText = "kept";
        open();
        QCOMPARE(m_dialog->pages()->currentIndex(), 0);
        showPage(1);
        QTest::keyClicks(m_dialog->findChild<QLineEdit *>("lineEditCompany"), "Bau GmbH");
        QTest::keyClicks(m_dialog->findChild<QPlainTextEdit *>("textEditDescription"), "Wall");
        showPage(2);
        ConfigPrintDefaults *print = m_dialog->printDefaultsPage();
        QVERIFY(print->frameCheckBox(0)->isChecked() && !print->frameCheckBox(10)->isChecked());
        QVERIFY(!print->frameCheckBox(1)->isEnabled()); // every page has its footer
        print->frameCheckBox(0)->setChecked(false);     // header
        print->frameCheckBox(10)->setChecked(true);     // vapour pressure profiles
        print->frameCheckBox(12)->setChecked(true);     // Glaser summary
        print->pageNumbersCheckBox()->setChecked(true);
        print->toolBox()->setCurrentIndex(3);
        QTest::mouseClick(print->findChild<QRadioButton *>("radioButtonRoofs"), Qt::LeftButton);
        print->toolBox()->setCurrentIndex(0);
        print->findChild<QComboBox *>("comboBoxLogoPosition")->setCurrentIndex(1);
        if (accept) {
            QVERIFY(pressOk());
        } else {
            QTest::mouseClick(m_dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        }
        const Settings &s = Settings::instance();
        QCOMPARE(s.m_defaultProjectInformation.Company, accept ? QString("Bau GmbH") : QString());
        QCOMPARE(s.m_defaultProjectInformation.Description, accept ? QString("Wall") : QString());
        QCOMPARE(s.m_defaultProjectInformation.DisclaimerText, QString("kept")); // not edited
        QCOMPARE(Settings::framesToText(s.m_projectDefaultFrames),
                 QString(accept ? "0 1 1 1 1 1 1 1 1 1 1 1 1 0 " : Settings::DefaultFramesText));
        QCOMPARE(s.m_pageNumbersVisible, accept);
        QCOMPARE(s.m_reportSettings.m_assessment.m_dryingReserve, accept ? 0.25 : 0.0);
        QCOMPARE(s.m_defaultUserLogo.m_position, accept ? 1 : 0);
        // reopened, the dialog shows what is stored, on its first page
        open();
        QCOMPARE(m_dialog->pages()->currentIndex(), 0);
        QCOMPARE(m_dialog->printDefaultsPage()->frameCheckBox(10)->isChecked(), accept);
    }

    // The assessment defaults on the results page: chosen edition, side check, water uptake
    // values and drying reserve are stored by OK, values typed without confirming count, and a
    // value that is no number or below 0 keeps the dialog open with nothing stored.
    void assessmentDefaults_data() {
        QTest::addColumn<QStringList>("clicks");    // radio buttons clicked, in this order
        QTest::addColumn<QString>("reserveText");   // typed into the custom reserve, g/(m²a)
        QTest::addColumn<QString>("capillaryText"); // typed as capillary active Aw, kg/m2h0.5
        QTest::addColumn<QString>("nonCapText");    // typed as non capillary Aw, kg/m2h0.5
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("edition");
        QTest::addColumn<bool>("oneSide");
        QTest::addColumn<double>("reserve");         // kg/(m²a)
        QTest::addColumn<double>("capillaryActive"); // kg/(m²s^0.5)
        QTest::addColumn<double>("nonCapillary");    // kg/(m²s^0.5)
        const double cap = 0.7123456789 / 60, non = 0.2123456789 / 60, custom = 0.0421234567;
        // the stored values (user defined, one side, custom reserve) keep their last digit
        QTest::newRow("untouched") << QStringList() << ""
                                   << ""
                                   << "" << true << 3 << true << custom << cap << non;
        QTest::newRow("edition 2014, two sides, roofs")
            << QStringList{"radioButtonEdition1", "radioButtonTwoSides", "radioButtonRoofs"} << ""
            << ""
            << "" << true << 1 << false << 0.25 << cap << non;
        QTest::newRow("no reserve") << QStringList{"radioButtonNoDryingReserve"} << ""
                                    << ""
                                    << "" << true << 3 << true << 0.0 << cap << non;
        QTest::newRow("typed values count") << QStringList() << "42"
                                            << "1.5"
                                            << "0.3" << true << 3 << true << 0.042 << 1.5 / 60 << 0.3 / 60;
        QTest::newRow("reserve no number") << QStringList() << "abc"
                                           << ""
                                           << "" << false << 3 << true << custom << cap << non;
        QTest::newRow("reserve below 0") << QStringList() << "-5"
                                         << ""
                                         << "" << false << 3 << true << custom << cap << non;
        QTest::newRow("Aw below 0") << QStringList{"radioButtonTwoSides"} << ""
                                    << "-1"
                                    << "" << false << 3 << true << custom << cap << non;
        QTest::newRow("Aw no number") << QStringList() << ""
                                      << ""
                                      << "x" << false << 3 << true << custom << cap << non;
    }
    void assessmentDefaults() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, reserveText);
        QFETCH(QString, capillaryText);
        QFETCH(QString, nonCapText);
        QFETCH(bool, accepted);
        QLocale::setDefault(QLocale::c());
        AssessmentSettings &stored = Settings::instance().m_reportSettings.m_assessment;
        stored.m_accordanceType = AssessmentSettings::UserDefined;
        stored.m_capillaryCheckOneSide = true;
        stored.m_capillarActiveAw = 0.7123456789 / 60;
        stored.m_nonCapillarAw = 0.2123456789 / 60;
        stored.m_dryingReserve = 0.0421234567;
        Settings::instance().m_pageNumbersVisible = false;
        open();
        showPage(2);
        ConfigPrintDefaults *print = m_dialog->printDefaultsPage();
        print->toolBox()->setCurrentIndex(3);
        for (const QString &name : clicks) {
            auto *button = print->findChild<QRadioButton *>(name);
            QVERIFY2(button != nullptr && button->isVisible(), qPrintable(name));
            // on the indicator: a radio button takes clicks on its circle and text only
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            QVERIFY2(button->isChecked(), qPrintable(name));
        }
        const auto type = [print](const char *name, const QString &text) {
            if (text.isEmpty())
                return;
            auto *field = print->findChild<QLineEdit *>(name);
            field->selectAll();
            QTest::keyClicks(field, text);
        };
        type("lineEditCustomDryingReserve", reserveText);
        type("lineEditCapillaryActiveAw", capillaryText);
        type("lineEditNonCapillaryAw", nonCapText);
        print->pageNumbersCheckBox()->setChecked(true);
        print->toolBox()->setCurrentIndex(0);

        QCOMPARE(pressOk(), accepted);
        if (!accepted) {
            // the reason is shown where the value was typed
            QCOMPARE(m_dialog->pages()->currentIndex(), 2);
            QCOMPARE(print->toolBox()->currentIndex(), 3);
            const QString reason = print->findChild<DryingReserveSettings *>()->message() +
                                   print->findChild<DINCriteriaSettings *>()->message();
            QVERIFY2(reason.startsWith("The drying reserve") || reason.startsWith("The Aw value"),
                     qPrintable(reason));
            QVERIFY(!Settings::instance().m_pageNumbersVisible);
        }
        QTEST(stored.m_accordanceType, "edition");
        QTEST(stored.m_capillaryCheckOneSide, "oneSide");
        QFETCH(double, reserve);
        QFETCH(double, capillaryActive);
        QFETCH(double, nonCapillary);
        QVERIFY2(qAbs(stored.m_dryingReserve - reserve) <= 1e-15,
                 qPrintable(QString::number(stored.m_dryingReserve, 'g', 17)));
        QVERIFY2(qAbs(stored.m_capillarActiveAw - capillaryActive) <= 1e-15,
                 qPrintable(QString::number(stored.m_capillarActiveAw, 'g', 17)));
        QVERIFY2(qAbs(stored.m_nonCapillarAw - nonCapillary) <= 1e-15,
                 qPrintable(QString::number(stored.m_nonCapillarAw, 'g', 17)));
        if (QString(QTest::currentDataTag()) == "untouched") // exactly as stored, not rounded by the fields
            QVERIFY(stored.m_dryingReserve == 0.0421234567 && stored.m_nonCapillarAw == 0.2123456789 / 60);
    }

    void disclaimerEdited() {
        open();
        showPage(2);
        QTextEdit *edit = m_dialog->printDefaultsPage()->disclaimerEdit();
        QTest::mouseClick(m_dialog->findChild<QPushButton *>("pushButtonHeading1"), Qt::LeftButton);
        QTest::keyClicks(edit, "Haftung");
        QVERIFY(pressOk());
        const QString stored = Settings::instance().m_defaultProjectInformation.DisclaimerText;
        QVERIFY2(stored.contains("Haftung") && stored.contains("<h1"), qPrintable(stored));
    }
};

QTEST_MAIN(tst_ConfigDialog)
#include "tst_ConfigDialog.moc"
