// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationProgressDialog.h"

#include <QProgressDialog>

namespace {

// The progress bar counts in thousandths of the current search.
constexpr int Steps = 1000;

} // namespace

CalculationProgressDialog::CalculationProgressDialog(QWidget *parent) : m_parent(parent) {}

CalculationProgressDialog::~CalculationProgressDialog() {
    delete m_dialog;
}

QProgressDialog *CalculationProgressDialog::dialog() const {
    return m_dialog;
}

bool CalculationProgressDialog::proceed(double fraction, double elapsed) {
    if (m_cancelled)
        return false;
    if (elapsed < ShowAfter)
        return true;
    // An event handled below may start a calculation of its own; that one runs to its end
    // without a dialog of its own rather than nesting a second one.
    if (m_inProceed)
        return true;
    m_inProceed = true;
    if (!m_dialog) {
        m_dialog = new QProgressDialog(tr("Searching the condensation planes. This construction takes longer "
                                          "than usual."),
                                       tr("Cancel"), 0, Steps, m_parent);
        m_dialog->setWindowTitle(tr("Calculation"));
        // Modal, so that no edit can change the project while it is being calculated.
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->show();
    }
    // setValue() of a modal dialog processes the pending events, the Cancel button among them.
    m_dialog->setValue(static_cast<int>(fraction * Steps));
    QCoreApplication::processEvents();
    m_cancelled = m_dialog->wasCanceled();
    m_inProceed = false;
    return !m_cancelled;
}

void CalculationProgressDialog::finished() {
    m_cancelled = false;
    // Called by the calculation, never from within the dialog's own event handling.
    delete m_dialog;
}
