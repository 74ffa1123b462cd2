// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LOGFILEDIALOG_H
#define LOGFILEDIALOG_H

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

/*! Shows the program's log file, read-only, at its end. A very long log is shown from its last
    few megabytes only. */
class LogFileDialog : public QDialog {
    Q_OBJECT
public:
    explicit LogFileDialog(const QString &path, QWidget *parent = nullptr);

    /*! The text shown. */
    QString text() const;

    /*! Largest part of the file shown, in bytes (its end). */
    static constexpr qint64 MaximumShownBytes = 4 * 1024 * 1024;

public slots:
    /*! Puts the whole text shown on the clipboard, e.g. for a bug report. */
    void copyToClipboard();

private:
    QPlainTextEdit *m_text;
    QPushButton *m_copy;
};

#endif // LOGFILEDIALOG_H
