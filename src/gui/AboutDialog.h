// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include <QDialog>

/*! The program's about dialog: the splash image as background, the program's purpose, version,
    publisher and where to reach them. F1 asks for the help. */
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

signals:
    /*! F1 was pressed. */
    void helpRequested();
};

#endif // ABOUTDIALOG_H
