// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEditWidget.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TextEditWidget::TextEditWidget(QWidget *parent) : QWidget(parent) {
    m_edit = new QTextEdit(this);
    m_edit->setObjectName(QStringLiteral("textEditRichText"));
    m_edit->setAcceptRichText(true);
    m_family = new QFontComboBox(this);
    m_family->setObjectName(QStringLiteral("fontComboBoxFamily"));
    m_family->setToolTip(tr("Font family"));
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("comboBoxFontSize"));
    m_size->setToolTip(tr("Font size"));
    m_size->setEditable(true);
    for (int size : QFontDatabase::standardSizes())
        m_size->addItem(QString::number(size));

    const auto makeButton = [this](const QString &name, const QString &text, const QString &tip) {
        QToolButton *button = new QToolButton(this);
        button->setObjectName(name);
        button->setText(text);
        button->setToolTip(tip);
        return button;
    };
    m_bold = makeButton(QStringLiteral("toolButtonBold"), tr("B"), tr("Bold"));
    m_italic = makeButton(QStringLiteral("toolButtonItalic"), tr("I"), tr("Italic"));
    m_underline = makeButton(QStringLiteral("toolButtonUnderline"), tr("U"), tr("Underline"));
    m_color = makeButton(QStringLiteral("toolButtonColor"), tr("A"), tr("Text colour"));
    for (QToolButton *button : {m_bold, m_italic, m_underline})
        button->setCheckable(true);
    QFont font = m_bold->font();
    font.setBold(true);
    m_bold->setFont(font);
    font = m_italic->font();
    font.setItalic(true);
    m_italic->setFont(font);
    font = m_underline->font();
    font.setUnderline(true);
    m_underline->setFont(font);

    QHBoxLayout *tools = new QHBoxLayout;
    tools->setSpacing(2);
    tools->addWidget(m_family, 1);
    tools->addWidget(m_size);
    for (QToolButton *button : {m_bold, m_italic, m_underline, m_color})
        tools->addWidget(button);
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(tools);
    layout->addWidget(m_edit);

    connect(m_edit, &QTextEdit::textChanged, this, [this]() {
        if (!m_loading)
            emit textChanged();
    });
    connect(m_edit, &QTextEdit::currentCharFormatChanged, this, &TextEditWidget::showFormat);
    connect(m_family, &QFontComboBox::textActivated, this, [this](const QString &family) {
        QTextCharFormat format;
        format.setFontFamily(family);
        mergeFormat(format);
    });
    connect(m_size, &QComboBox::textActivated, this, [this](const QString &text) {
        const double size = text.toDouble();
        if (size <= 0)
            return;
        QTextCharFormat format;
        format.setFontPointSize(size);
        mergeFormat(format);
    });
    connect(m_bold, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(format);
    });
    connect(m_italic, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        mergeFormat(format);
    });
    connect(m_underline, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        mergeFormat(format);
    });
    connect(m_color, &QToolButton::clicked, this, &TextEditWidget::chooseColor);
    showFormat(m_edit->currentCharFormat());
}

QString TextEditWidget::html() const {
    return m_edit->toHtml();
}

void TextEditWidget::setHtml(const QString &html) {
    m_loading = true;
    if (Qt::mightBeRichText(html))
        m_edit->setHtml(html);
    else
        m_edit->setPlainText(html);
    m_loading = false;
}

void TextEditWidget::mergeFormat(const QTextCharFormat &format) {
    QTextCursor cursor = m_edit->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_edit->mergeCurrentCharFormat(format);
    m_edit->setFocus();
}

void TextEditWidget::chooseColor() {
    const QColor color = QColorDialog::getColor(m_edit->textColor(), this, tr("Text colour"));
    if (!color.isValid())
        return;
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormat(format);
    showFormat(m_edit->currentCharFormat());
}

void TextEditWidget::showFormat(const QTextCharFormat &format) {
    const QFont font = format.font();
    m_family->blockSignals(true);
    m_family->setCurrentFont(font);
    m_family->blockSignals(false);
    m_size->blockSignals(true);
    m_size->setEditText(QString::number(font.pointSizeF() > 0 ? font.pointSizeF() : font.pointSize()));
    m_size->blockSignals(false);
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic());
    m_underline->setChecked(font.underline());
    const QColor color = format.foreground().style() == Qt::NoBrush ? palette().color(QPalette::Text)
                                                                    : format.foreground().color();
    m_color->setStyleSheet(QStringLiteral("color: %1").arg(color.name()));
}
