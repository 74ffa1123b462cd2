// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEXTEDITWIDGET_H
#define TEXTEDITWIDGET_H

#include <QWidget>

class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

/*! A small rich-text editor: the text with a font family and size, bold, italic, underline and
    a text colour for the selection (or what is typed next). */
class TextEditWidget : public QWidget {
    Q_OBJECT
public:
    explicit TextEditWidget(QWidget *parent = nullptr);

    /*! The text as HTML. */
    QString html() const;
    /*! Replaces the text. Emits nothing. */
    void setHtml(const QString &html);

    QTextEdit *textEdit() const { return m_edit; }

signals:
    /*! The user changed the text or its format. */
    void textChanged();

private:
    void mergeFormat(const QTextCharFormat &format);
    void chooseColor();
    /*! Shows the format at the cursor in the tool buttons. */
    void showFormat(const QTextCharFormat &format);

    QTextEdit *m_edit;
    QFontComboBox *m_family;
    QComboBox *m_size;
    QToolButton *m_bold;
    QToolButton *m_italic;
    QToolButton *m_underline;
    QToolButton *m_color;
    bool m_loading = false;
};

#endif // TEXTEDITWIDGET_H
