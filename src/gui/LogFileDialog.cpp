// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogFileDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
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
        m_text->setPlainText(tr("The log file '%1' cannot be read:\n%2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    }

    auto *label = new QLabel(QDir::toNativeSeparators(path), this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(900, 600);
    m_text->moveCursor(QTextCursor::End);
}

QString LogFileDialog::text() const {
    return m_text->toPlainText();
}
