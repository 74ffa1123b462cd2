// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeView>

#include "AboutDialog.h"
#include "Directories.h"
#include "LicenceDialog.h"
#include "LogFileDialog.h"

// The small dialogs of the main window: the log file viewer, the about dialog.
class tst_Dialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(tavo_artwork);
        QLocale::setDefault(QLocale::c());
    }
    // A search field's clear button fades in with an animation that Qt deletes only once it has
    // run; let it end so the leak checker of the sanitizer build sees nothing left over.
    void cleanupTestCase() { QTest::qWait(400); }

    // What the viewer shows, and that "Copy to Clipboard" hands on exactly that and OK closes.
    void logFile_data() {
        QTest::addColumn<qint64>("lines"); // lines of 100 bytes written; -1: no file
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("missing") << qint64(-1) << "No logfile found at position\n "
                                 << "Tavo2.log";
        QTest::newRow("one line") << qint64(0) << "last line"
                                  << "last line\n";
        QTest::newRow("short") << qint64(3) << "xxx"
                               << "last line\n";
        // a long log is shown from a line start near its end
        QTest::newRow("long") << LogFileDialog::MaximumShownBytes / 100 + 10
                              << "[Only the end of the log file is shown.]\nxxx"
                              << "last line\n";
    }
    void logFile() {
        QFETCH(qint64, lines);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavo2.log");
        if (lines >= 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray line = QByteArray(99, 'x') + '\n';
            for (qint64 i = 0; i < lines; ++i)
                file.write(line);
            file.write("last line\n");
        }
        LogFileDialog log(path);
        QVERIFY2(log.text().startsWith(start), qPrintable(log.text().left(80)));
        QVERIFY(log.text().endsWith(end));
        QVERIFY(log.text().size() <= LogFileDialog::MaximumShownBytes + 100);
        if (lines < 0)
            QCOMPARE(log.text(), "No logfile found at position\n " + QDir::toNativeSeparators(path));

        log.show();
        QVERIFY(QTest::qWaitForWindowExposed(&log));
        QApplication::clipboard()->setText("before");
        auto *copy = log.findChild<QPushButton *>("pushButtonCopyToClipboard");
        QVERIFY(copy != nullptr);
        QCOMPARE(copy->text(), QString("Copy to Clipboard"));
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), log.text());
        QVERIFY(log.isVisible()); // copying leaves the dialog open
        QTest::mouseClick(log.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(!log.isVisible());
        QCOMPARE(log.result(), int(QDialog::Accepted));
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

    // The licence names are what the notices must carry in every language: a translation that
    // drops one leaves the user without the terms of the software they run.
    void aboutShowsLicenceNotices_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "";
        QTest::newRow("German") << "de";
        QTest::newRow("Polish") << "pl";
    }
    void aboutShowsLicenceNotices() {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(translationsDir() + "/Tavo2_" + language + ".qm"));
            QCoreApplication::installTranslator(&translator);
        }
        AboutDialog about;
        auto *link = about.findChild<QLabel *>("licencesLink");
        QVERIFY(link);
        emit link->linkActivated("#licences");
        auto *dialog = about.findChild<LicenceDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        const QString text = dialog->findChild<QTextBrowser *>("notices")->toPlainText();
        for (const char *expected :
             {"GPL-3.0-or-later", "LGPL-3.0", "Apache-2.0", "OpenSSL", "Qt 5.", "MASEA"})
            QVERIFY2(text.contains(expected), expected);
        if (!language.isEmpty())
            QVERIFY(!text.contains("Sources of the material values"));
        dialog->close();
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
