#include "HelpDocument.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include "CurrentLanguage.h"
#include "Directories.h"
#include "UserDialogs.h"

QString HelpDocument::path() {
    return QStringLiteral("%1/DB_help/%2_%3.pdf")
        .arg(resourcesDir(), QStringLiteral("Tavo2_Documentation"), CurrentLanguage::instance().id());
}

void HelpDocument::show(int topic, UserDialogs &dialogs, QWidget *parent) {
    Q_UNUSED(topic)
    const QString file = path();
    if (!QDesktopServices::openUrl(QUrl(QStringLiteral("file:///%1").arg(file))))
        dialogs.warning(
            parent, QCoreApplication::translate("MainWindow", "Help file error"),
            QCoreApplication::translate("MainWindow", "The help file cannot be found on location:\n%1")
                .arg(file));
}
