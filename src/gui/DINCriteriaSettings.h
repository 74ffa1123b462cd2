// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DINCRITERIASETTINGS_H
#define DINCRITERIASETTINGS_H

#include <QWidget>

#include "AssessmentSettings.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

/*! The criteria of DIN 4108-3 the assessment judges with: the edition (2001, 2014, 2018/2024 or
    user defined), the water uptake limit below which a material counts as non-capillary (its
    own value only for the user-defined edition; the editions fix theirs), the water uptake of
    capillary active material and whether a condensation plane is checked on one side or both.

    Water uptake coefficients are kept per square root of a second; the fields show them per
    square root of an hour (times 60) unless the user works in seconds. */
class DINCriteriaSettings : public QWidget {
    Q_OBJECT
public:
    explicit DINCriteriaSettings(QWidget *parent = nullptr);

    /*! Shows the water uptake coefficients per square root of a second (true) or of an hour. */
    void setAwInSeconds(bool inSeconds);
    /*! Shows \a settings. Emits nothing. */
    void setSettings(const AssessmentSettings &settings);
    /*! Stores edition, one-side flag and both water uptake values into \a settings. False, with
        the reason shown and \a settings untouched, when a field holds no number or one below 0. */
    bool apply(AssessmentSettings &settings);

    /*! The text under the fields: a rejected input; empty when there is none. */
    QString message() const;

signals:
    /*! The user chose another edition or side check, or confirmed a valid water uptake value. */
    void changed();

private:
    void editionClicked();
    void fieldConfirmed();
    /*! The edition of the checked radio button. */
    int edition() const;
    /*! Reads \a field (shown units) into \a perSecond; false with the message shown. */
    bool readField(const QLineEdit *field, double &perSecond);
    void showNonCapillaryField();
    double shownFactor() const { return m_awInSeconds ? 1.0 : 60.0; }
    void showMessage(const QString &text);

    QButtonGroup *m_editions;
    QRadioButton *m_oneSide;
    QRadioButton *m_twoSides;
    QLineEdit *m_nonCapillary;
    QLineEdit *m_capillaryActive;
    QLabel *m_nonCapillaryUnit;
    QLabel *m_capillaryActiveUnit;
    QLabel *m_message;
    bool m_awInSeconds = false;
    int m_lastEdition = AssessmentSettings::DIN4108_3_2018_2024;
    AssessmentSettings m_shown; ///< the values the fields were filled from
    QString m_shownNonCapillary;
    QString m_shownCapillaryActive;
};

#endif // DINCRITERIASETTINGS_H
