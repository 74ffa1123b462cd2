// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DRYINGRESERVESETTINGS_H
#define DRYINGRESERVESETTINGS_H

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

/*! The drying reserve after DIN 68800-2 the assessment demands: none, the reserve of ceilings and
    walls (100 g/(m²·a)), of roofs (250 g/(m²·a)) or a value of the user's own.

    Units: value() and valueChanged() in kg/(m²·a) like the assessment settings; setValue() and
    the custom field in g/(m²·a) as the user sees them. */
class DryingReserveSettings : public QWidget {
    Q_OBJECT
public:
    explicit DryingReserveSettings(QWidget *parent = nullptr);

    /*! The chosen reserve in kg/(m²·a); for the custom choice the confirmed field value. */
    double value() const;
    /*! Shows \a gramsPerYear (g/(m²·a)): 0 or less as no reserve, 100 and 250 as the two standard
        choices, anything else as the custom value. Emits nothing. */
    void setValue(double gramsPerYear);
    /*! Without condensate a drying reserve means nothing: \a on shows "no reserve", locks the other
        choices and says why; false unlocks them. Emits nothing, so the stored reserve survives a
        project without condensate. */
    void setNoCondensation(bool on);

    /*! For the custom choice, takes the value typed into the field even if not confirmed yet.
        False, with the reason shown, when it is no number or below 0. Emits nothing. */
    bool acceptTypedValue();

    /*! The text under the choices: the reason they are locked or a rejected input; empty when
        there is none. */
    QString message() const;

signals:
    /*! A choice was clicked or a custom value confirmed; \a kgPerYear in kg/(m²·a). */
    void valueChanged(double kgPerYear);

private:
    void choiceClicked();
    void confirmCustomValue();
    /*! Reads the custom field; false (with the message shown) when it is no number or below 0. */
    bool readCustomValue(double &gramsPerYear);
    void showMessage(const QString &text, bool error);

    QRadioButton *m_none;
    QRadioButton *m_wallsAndCeilings;
    QRadioButton *m_roofs;
    QRadioButton *m_custom;
    QLineEdit *m_customValue;
    QPushButton *m_update;
    QLabel *m_message;
    double m_customGrams = 0; ///< last accepted custom value, g/(m²·a)
    bool m_noCondensation = false;
};

#endif // DRYINGRESERVESETTINGS_H
