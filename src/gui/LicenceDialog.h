// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LICENCEDIALOG_H
#define LICENCEDIALOG_H

#include <QDialog>

/*! The program's licence and the notices of the software and data it uses (Qt, OpenSSL, the
    sources of the material values), reached from the about dialog. The same notices are
    installed with the documentation. */
class LicenceDialog : public QDialog {
    Q_OBJECT
public:
    explicit LicenceDialog(QWidget *parent = nullptr);

    /*! The notices as rich text, in the current language. */
    static QString noticesHtml();
};

#endif // LICENCEDIALOG_H
