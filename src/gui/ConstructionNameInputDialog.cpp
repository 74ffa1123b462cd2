// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionNameInputDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ConstructionNameInputDialog::ConstructionNameInputDialog(QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("Construction Name"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("lineEditName"));
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("plainTextEditNotes"));
    m_notes->setTabChangesFocus(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *nameLabel = new QLabel(tr("Construction Name"), this);
    nameLabel->setBuddy(m_name);
    auto *notesLabel = new QLabel(tr("Notes"), this);
    notesLabel->setBuddy(m_notes);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    layout->addWidget(notesLabel);
    layout->addWidget(m_notes, 1);
    layout->addWidget(m_buttons);
    resize(450, 300);

    const auto updateOk = [this]() {
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!name().isEmpty());
    };
    connect(m_name, &QLineEdit::textChanged, this, updateOk);
    updateOk();
}

void ConstructionNameInputDialog::setName(const QString &name) {
    m_name->setText(name);
    m_name->selectAll();
}

QString ConstructionNameInputDialog::name() const {
    return m_name->text().trimmed();
}

void ConstructionNameInputDialog::setNotes(const QString &notes) {
    m_notes->setPlainText(notes);
}

QString ConstructionNameInputDialog::notes() const {
    return m_notes->toPlainText();
}
