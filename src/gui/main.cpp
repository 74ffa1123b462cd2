// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QSplashScreen>

#include <iostream>
#include <memory>

#include "CalculationControl.h"
#include "CalculationProgressDialog.h"
#include "CurrentLanguage.h"
#include "Directories.h"
#include "EditorDocument.h"
#include "MainWindow.h"
#include "MaterialList.h"
#include "Settings.h"
#include "StartUp.h"
#include "TranslationCatalogues.h"
#include "ZMT_Exception.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_MessageStream.h"
#include "ZMT_Path.h"

namespace {

const char *const StyleSheet =
    "QDockWidget {     border: 1px solid navy;} QDockWidget::title {     text-align: left;     background: "
    "white;     border-bottom: 1px solid lightgray;     padding-left: 5px; } QDockWidget::close-button, "
    "QDockWidget::float-button {     border: 1px solid navy;     background: white;     padding: 0px; } "
    "QDockWidget::close-button:hover, QDockWidget::float-button:hover {     background: #b0b0ff; } "
    "QDockWidget::close-button:pressed, QDockWidget::float-button:pressed {     padding: 1px -1px -1px 1px; "
    "}";

void openLogFile() {
    ZMT::MessageHandler *handler = ZMT::messageHandler();
    if (!handler)
        return;
    // The path type collapses the "dir/../" step of the user data directory; the system
    // would only resolve it if the per-application folder existed.
    const ZMT::Path logFile(logFilePath().toStdString());
    try {
        if (!ZMT::makePath(logFile.parentPath())) {
            qDebug() << "Couldn't create log file directory.";
            return;
        }
    } catch (const ZMT::Exception &) {
        qDebug() << "Couldn't create log file directory.";
        return;
    }
    std::string errText;
    if (!handler->openLog(logFile.str(), false, errText))
        qDebug() << "Can't open logfile...";
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    auto app = std::make_unique<QApplication>(argc, argv);
    Q_INIT_RESOURCE(tavo_artwork);

    openLogFile();

    ZMT::MessageStream log(ZMT::MSG_PROGRESS, "main", -1);
    log << "Tavo 2"
        << " started " << QDateTime::currentDateTime().toLocalTime().toString(Qt::TextDate).toStdString()
        << ZMT::endl;

    Settings &settings = Settings::instance();
    settings.read();

    if (!StartUp::evaluateCommandLine(QApplication::arguments(), settings)) {
        for (const QString &line : StartUp::helpLines())
            std::cout << line.toStdString() << std::endl;
        return 1;
    }

    QString languageId = StartUp::decideLanguage(settings, QLocale::system().name());
    log << "Installing translator for language: " << languageId.toStdString() << ZMT::endl;
    languageId = languageId.toLower();
    auto translations = std::make_unique<TranslationCatalogues>();
    if (StartUp::installTranslations(languageId, translationsDir(), *translations, log))
        settings.m_languageId = languageId;
    CurrentLanguage::instance().setId(languageId);
    MaterialList::instance(); // reads the built-in and user materials, now that the language is known

    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);

    QPixmap splashPixmap(QStringLiteral("://splash-screen_Tavo.png"));
    QIcon icon(QStringLiteral("://icons/Tavo_ico_72x72.ico"));
    QSplashScreen *splash = nullptr;
    if (settings.m_flags.value(Settings::SplashScreenFlag, true)) {
        splash = new QSplashScreen(splashPixmap);
        splash->show();
    }

    // A calculation that takes long shows its progress and can be cancelled, from the project
    // opened at start on.
    CalculationProgressDialog calculationProgress(nullptr);
    const CalculationControl calculationControl(&calculationProgress);

    // The window edits the program's one project, with the undo history of its edits.
    auto document = std::make_unique<EditorDocument>(Project::instance());
    auto window = std::make_unique<MainWindow>(*document, splash);
    calculationProgress.setParentWidget(window.get());
    window->setWindowIcon(icon);
    window->setStyleSheet(QString::fromLatin1(StyleSheet));
    window->show();
    if (splash)
        splash->raise();

    const int result = QApplication::exec();

    window.reset();
    document.reset();
    translations.reset();
    app.reset();
    log.flush();
    return result;
}
