// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include "LicenceDialog.h"
#include "ProgramInfo.h"

namespace {

QLabel *textLabel(const QString &html, QWidget *parent) {
    auto *label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    return label;
}

QString link(const QString &target, const QString &text) {
    return QStringLiteral("<a href=\"%1\" style=\"color: #bfbfcf;\">%2</a>")
        .arg(target, text.toHtmlEscaped());
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent) {
    const QString program = QString::fromLatin1(ProgramInfo::Name);
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About %1").arg(program));
    setStyleSheet(QStringLiteral("QDialog#AboutDialog { background-image: url(:/splash-screen_Tavo.png); "
                                 "background-attachment: fixed; } QLabel { color: white; }"));
    const QPixmap background(QStringLiteral(":/splash-screen_Tavo.png"));
    setFixedSize(background.isNull() ? QSize(600, 340) : background.size());

    // The splash shows the program name top left and a drawing on the right; the texts go in
    // the free space below the name.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(35, 82, 260, 62);
    layout->setVerticalSpacing(2);
    layout->setColumnStretch(1, 1);
    int row = 0;
    QLabel *subtitle = textLabel(
        tr("A software for hygrothermal evaluation of building envelope systems").toHtmlEscaped(), this);
    subtitle->setStyleSheet(QStringLiteral("color: #bfbfcf;"));
    layout->addWidget(subtitle, row++, 0, 1, 2);
    layout->setRowMinimumHeight(row++, 6);
    layout->addWidget(textLabel(tr("Version %1").arg(QStringLiteral(TAVO_VERSION_STRING)), this), row++, 0, 1,
                      2);
    layout->addWidget(textLabel(QStringLiteral("&copy; %1 %2")
                                    .arg(ProgramInfo::CopyrightYear)
                                    .arg(QString::fromLatin1(ProgramInfo::Vendor)),
                                this),
                      row++, 0, 1, 2);
    layout->setRowMinimumHeight(row++, 6);

    const QString contact = QString::fromLatin1(ProgramInfo::ContactAddress);
    const QString website = QString::fromLatin1(ProgramInfo::WebSite);
    const QString feedback = QString::fromLatin1(ProgramInfo::FeedbackAddress);
    const QList<QPair<QString, QString>> rows{
        {tr("Contact:"), link(QStringLiteral("mailto:") + contact, contact)},
        {tr("Website:"), link(website, website)},
        {tr("Feedback:"), link(QStringLiteral("mailto:") + feedback, feedback)}};
    for (const auto &r : rows) {
        layout->addWidget(textLabel(r.first.toHtmlEscaped(), this), row, 0);
        QLabel *value = textLabel(r.second, this);
        value->setOpenExternalLinks(true);
        value->setTextInteractionFlags(Qt::TextBrowserInteraction);
        layout->addWidget(value, row++, 1);
    }
    auto *licences =
        textLabel(link(QStringLiteral("#licences"), tr("Licences and third-party notices")), this);
    licences->setObjectName(QStringLiteral("licencesLink"));
    connect(licences, &QLabel::linkActivated, this, [this]() {
        auto *dialog = new LicenceDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    layout->addWidget(licences, row++, 0, 1, 2);
    layout->setRowStretch(row++, 1);
    auto *close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, row, 0, 1, 1, Qt::AlignLeft);

    auto *help = new QShortcut(QKeySequence(QKeySequence::HelpContents), this);
    connect(help, &QShortcut::activated, this, &AboutDialog::helpRequested);
}
