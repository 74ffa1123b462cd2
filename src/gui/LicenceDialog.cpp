// SPDX-License-Identifier: GPL-3.0-or-later
#include "LicenceDialog.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ProgramInfo.h"

namespace {

QString section(const QString &title, const QString &text) {
    return QStringLiteral("<h3>%1</h3><p>%2</p>").arg(title.toHtmlEscaped(), text);
}

} // namespace

LicenceDialog::LicenceDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LicenceDialog"));
    setWindowTitle(tr("Licences"));
    resize(560, 480);
    auto *layout = new QVBoxLayout(this);
    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("notices"));
    text->setOpenExternalLinks(true);
    text->setHtml(noticesHtml());
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString LicenceDialog::noticesHtml() {
    const QString program = QString::fromLatin1(ProgramInfo::Name);
    QString html;
    html += section(
        tr("Licence"),
        tr("%1 is free software: you can redistribute it and/or modify it under the terms of the GNU General "
           "Public License as published by the Free Software Foundation, either version 3 of the License, or "
           "(at "
           "your option) any later version (GPL-3.0-or-later). It comes with NO WARRANTY.")
            .arg(program));
    html += section(
        QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())),
        tr("Copyright © The Qt Company Ltd. and other contributors. Used under the GNU Lesser General "
           "Public License version 3 (LGPL-3.0). %1 links Qt dynamically: you may replace the Qt "
           "libraries with a modified version of your own.")
            .arg(program));
    html +=
        section(QStringLiteral("OpenSSL (libcrypto)"),
                tr("Copyright © The OpenSSL Project Authors. Used under the Apache License 2.0 (Apache-2.0) "
                   "to read and write the enciphered material database."));
    html +=
        section(tr("Sources of the material values"),
                tr("DIN 4108-4:2020, DIN EN ISO 10456:2010, the MASEA material database, IEA Annex 24, the "
                   "USDA Wood Handbook, hygrothermal data sets from the literature and typical product "
                   "declarations. Many moisture storage values are estimates; the declared values of a real "
                   "product take precedence."));
    html +=
        QStringLiteral("<p>%1</p>")
            .arg(
                tr("The full texts are installed with the documentation (LICENSE, THIRD-PARTY-NOTICES.md)."));
    return html;
}
