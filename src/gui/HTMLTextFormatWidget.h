// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HTMLTEXTFORMATWIDGET_H
#define HTMLTEXTFORMATWIDGET_H

#include <QWidget>

class QButtonGroup;

/*! A row of exclusive buttons choosing how a text is set: Normal, H1 to H4 or Small, giving the
    format index 0 to 5 (ReportSettings::TextFormat). */
class HTMLTextFormatWidget : public QWidget {
    Q_OBJECT
public:
    explicit HTMLTextFormatWidget(QWidget *parent = nullptr);

    int format() const;
    /*! Checks the button of \a format (Normal for an unknown one). Emits nothing. */
    void setFormat(int format);

signals:
    /*! The user clicked the button of \a format. */
    void formatSelected(int format);

private:
    QButtonGroup *m_buttons;
};

#endif // HTMLTEXTFORMATWIDGET_H
