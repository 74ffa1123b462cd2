// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALCULATIONPROGRESSDIALOG_H
#define CALCULATIONPROGRESSDIALOG_H

#include <QCoreApplication>
#include <QPointer>

#include "CalculationMonitor.h"

class QProgressDialog;
class QWidget;

/*! The window's watch over a long calculation. The window recalculates on every edit, on its own
    thread; nearly every calculation ends in a few milliseconds. One that still runs after
    ShowAfter seconds gets a modal progress dialog with a Cancel button, kept responsive by
    processing the window's events between two steps of the calculation. Cancelling ends the
    calculation with the message "The calculation was cancelled.", which the results view shows.

    Install it with CalculationControl for as long as the window lives. */
class CalculationProgressDialog : public CalculationMonitor {
    Q_DECLARE_TR_FUNCTIONS(CalculationProgressDialog)
public:
    /*! Seconds a calculation runs before its progress is shown. */
    static constexpr double ShowAfter = 0.2;

    /*! \a parent is the window the dialog is shown over; may be null. */
    explicit CalculationProgressDialog(QWidget *parent);
    ~CalculationProgressDialog() override;
    CalculationProgressDialog(const CalculationProgressDialog &) = delete;
    CalculationProgressDialog &operator=(const CalculationProgressDialog &) = delete;

    /*! The window the dialog of the next long calculation is shown over. */
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    bool proceed(double fraction, double elapsed) override;
    void finished() override;

    /*! The dialog of the running calculation; null when none is shown. */
    QProgressDialog *dialog() const;

private:
    QPointer<QWidget> m_parent;
    QPointer<QProgressDialog> m_dialog;
    bool m_cancelled = false;
    bool m_inProceed = false;
};

#endif // CALCULATIONPROGRESSDIALOG_H
