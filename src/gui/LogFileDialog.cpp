// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogFileDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

LogFileDialog::LogFileDialog(const QString &path, QWidget *parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Log file"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QString text;
        if (file.size() > MaximumShownBytes) {
            file.seek(file.size() - MaximumShownBytes);
            file.readLine(); // starts at a line
            text = tr("[Only the end of the log file is shown.]") + QLatin1Char('\n');
        }
        text += QString::fromUtf8(file.read(MaximumShownBytes));
        m_text->setPlainText(text);
    } else {
        m_text->setPlainText(tr("No logfile found at position\n %1").arg(QDir::toNativeSeparators(path)));
    }

    auto *label = new QLabel(QDir::toNativeSeparators(path), this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_copy = new QPushButton(tr("Copy to Clipboard"), this);
    m_copy->setObjectName(QStringLiteral("pushButtonCopyToClipboard"));
    m_copy->setAutoDefault(false);
    connect(m_copy, &QPushButton::clicked, this, &LogFileDialog::copyToClipboard);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_copy);
    buttonRow->addStretch(1);
    buttonRow->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttonRow);
    resize(900, 600);
    m_text->moveCursor(QTextCursor::End);
}

QString LogFileDialog::text() const {
    return m_text->toPlainText();
}

void LogFileDialog::copyToClipboard() {
    QApplication::clipboard()->setText(m_text->toPlainText());
}
