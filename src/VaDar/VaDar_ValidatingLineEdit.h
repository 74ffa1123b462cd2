// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_VALIDATINGLINEEDIT_H
#define VADAR_VALIDATINGLINEEDIT_H

#include <QLineEdit>

#include "VaDar_ValidatingInputBase.h"

namespace VaDar {

/*! The number field of all editors: a line edit that checks its text against the rules of
    ValidatingInputBase and colours itself accordingly.

    The field remembers the text it was given with setValue(). Leaving the field or pressing
    Enter without having changed that text changes nothing: the field shows rounded values, and
    taking the shown text as a new value would silently round the value behind it. An edited
    text is checked: an acceptable number becomes the field's value and editingFinishedSuccessfully()
    is emitted; a refused one is marked red with the reason as tool tip, editingRefused() says why,
    and the field takes the focus back (unless told not to). Escape restores the shown text.

    Text is read trimmed with the locale's decimal separator; group separators are refused, so
    that "1.234" in a German field is not read as 1234. */
class ValidatingLineEdit : public QLineEdit, public ValidatingInputBase {
    Q_OBJECT
public:
    explicit ValidatingLineEdit(QWidget *parent = nullptr);
    ~ValidatingLineEdit() override;

    /*! Shows \a value (formatted) as the field's value; the text counts as unedited. */
    void setValue(double value);
    /*! Shows no value (an empty, unedited text). */
    void clearValue();
    /*! Puts back the text given by setValue() (what Escape does). */
    void restore();

    /*! True when the text (trimmed) differs from the one setValue() showed. */
    bool isEdited() const;
    /*! The value the field stands for: the exact value while the text is unedited, the parsed
        text otherwise. False when the text is not a number. */
    bool currentValue(double &value) const;
    /*! Empty when the current text (or the unedited value) is acceptable, otherwise why not. */
    QString problem() const;
    bool isValid() const { return problem().isEmpty(); }
    /*! Checks the text again and colours the field: a validator's rule may depend on another
        field that has changed. Runs by itself whenever the text changes. */
    void revalidate();

    /*! Reads whole numbers only. */
    void setIntegerInput(bool integer) { m_integerInput = integer; }
    bool isIntegerInput() const { return m_integerInput; }
    /*! Whether a refused value takes the focus back (default true). Dialogs that check their
        fields before OK turn this off. */
    void setKeepsFocusOnError(bool keep) { m_keepsFocusOnError = keep; }

    /*! Reads \a text as the field does: trimmed, in the current locale, without group separators,
        finite. */
    static bool parse(const QString &text, bool integer, double &value);

    // The rules of ValidatingInputBase, not those of QLineEdit's own validator.
    using ValidatingInputBase::problem;
    using ValidatingInputBase::setValidator;
    using ValidatingInputBase::validator;

signals:
    /*! Editing ended with an edited, acceptable value, now value(). */
    void editingFinishedSuccessfully();
    /*! Editing ended with a value the field refuses; \a message says why. */
    void editingRefused(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void finishEditing();

    QString m_shownText;
    bool m_integerInput = false;
    bool m_keepsFocusOnError = true;
    Qt::FocusReason m_focusOutReason = Qt::OtherFocusReason;
    bool m_inFocusOut = false;
};

} // namespace VaDar

#endif // VADAR_VALIDATINGLINEEDIT_H
