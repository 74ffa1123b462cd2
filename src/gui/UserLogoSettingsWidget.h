// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef USERLOGOSETTINGSWIDGET_H
#define USERLOGOSETTINGSWIDGET_H

#include <QWidget>

#include "ReportSettings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QToolButton;
class UserDialogs;

/*! The user's logo in the report: the image file, where it goes (nowhere, in the page header or
    beside the project information) and its size, given either as a width or as a height in
    millimetres (0: the image's natural size). */
class UserLogoSettingsWidget : public QWidget {
    Q_OBJECT
public:
    /*! The image file is chosen through \a dialogs, which must outlive the widget. */
    explicit UserLogoSettingsWidget(UserDialogs &dialogs, QWidget *parent = nullptr);

    /*! Shows \a logo. Emits nothing. */
    void setLogo(const ReportSettings::UserLogo &logo);
    /*! The logo as shown. */
    ReportSettings::UserLogo logo() const;

    /*! Titles the group of the logo settings (the report preview keeps the default). */
    void setTitle(const QString &title);

    /*! The text of a logo position as the selection offers it. */
    static QString positionText(int position);

public slots:
    /*! Lets the user choose the image file. */
    void chooseImage();

signals:
    /*! The user changed the image, the position or the size. */
    void logoChanged();

private:
    void sizeModeClicked();
    void showPath();

    UserDialogs &m_dialogs;
    QString m_path;
    QGroupBox *m_box;
    QToolButton *m_choose;
    QLabel *m_pathLabel;
    QComboBox *m_position;
    QRadioButton *m_width;
    QRadioButton *m_height;
    QSpinBox *m_widthSize;
    QSpinBox *m_heightSize;
};

#endif // USERLOGOSETTINGSWIDGET_H
