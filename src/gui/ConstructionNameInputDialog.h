// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONNAMEINPUTDIALOG_H
#define CONSTRUCTIONNAMEINPUTDIALOG_H

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

/*! Asks for the name and the notes of a stored construction. OK needs a name. */
class ConstructionNameInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConstructionNameInputDialog(QWidget *parent = nullptr);

    void setName(const QString &name);
    /*! The name without leading and trailing blanks. */
    QString name() const;
    void setNotes(const QString &notes);
    QString notes() const;

private:
    QLineEdit *m_name;
    QPlainTextEdit *m_notes;
    QDialogButtonBox *m_buttons;
};

#endif // CONSTRUCTIONNAMEINPUTDIALOG_H
