// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QVBoxLayout>

#include <limits>

#include "VaDar_ValidatingLineEdit.h"

using VaDar::ValidatingLineEdit;

namespace {

// Refuses values above a limit that another part of the program decides.
struct Below : VaDar::ValidatorBase {
    double limit;
    explicit Below(double l) : limit(l) {}
    QString check(double value) const override { return value < limit ? QString() : "too large"; }
};

struct OneDecimal : VaDar::FormatterBase {
    QString format(double value) const override { return QLocale().toString(value, 'f', 1); }
};

const double Max = std::numeric_limits<double>::max();

} // namespace

// The number field as a user types into it: what is committed, what is refused and how the
// field shows it.
class tst_VaDar_ValidatingLineEdit : public QObject {
    Q_OBJECT

    QWidget *m_window = nullptr;
    ValidatingLineEdit *m_field = nullptr;
    QLineEdit *m_next = nullptr;

    void type(const QString &text, Qt::Key finish) {
        m_field->setFocus();
        m_field->selectAll();
        QTest::keyClick(m_field, Qt::Key_Delete);
        QTest::keyClicks(m_field, text);
        QTest::keyClick(m_field, finish);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        m_window = new QWidget;
        auto *layout = new QVBoxLayout(m_window);
        m_field = new ValidatingLineEdit(m_window);
        m_next = new QLineEdit(m_window);
        layout->addWidget(m_field);
        layout->addWidget(m_next);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup() {
        delete m_window;
        QLocale::setDefault(QLocale::c());
    }

    void range_data() {
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<bool>("minInclusive");
        QTest::addColumn<bool>("maxInclusive");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exclusive minimum refuses it") << 0.0 << Max << false << false << "0" << false;
        QTest::newRow("inclusive minimum takes it") << 0.0 << Max << true << false << "0" << true;
        QTest::newRow("exclusive maximum refuses it") << 0.0 << 1.0 << true << false << "1" << false;
        QTest::newRow("inclusive maximum takes it") << 0.0 << 1.0 << true << true << "1" << true;
        QTest::newRow("inside") << -40.0 << 80.0 << false << false << "-39.9" << true;
        QTest::newRow("blanks around") << -40.0 << 80.0 << false << false << "  12.5 " << true;
        QTest::newRow("not a number") << -40.0 << 80.0 << false << false << "12,5" << false;
        QTest::newRow("empty") << -40.0 << 80.0 << false << false << "" << false;
        QTest::newRow("infinite") << -Max << Max << false << false << "1e999" << false;
    }
    void range() {
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(bool, minInclusive);
        QFETCH(bool, maxInclusive);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        m_field->setup(minimum, maximum, "out of range", minInclusive, maxInclusive);
        m_field->setValue(50);
        QSignalSpy finished(m_field, &ValidatingLineEdit::editingFinishedSuccessfully);
        QSignalSpy refused(m_field, &ValidatingLineEdit::editingRefused);
        type(text, Qt::Key_Return);
        QCOMPARE(finished.count(), accepted ? 1 : 0);
        QCOMPARE(refused.count(), accepted ? 0 : 1);
        QCOMPARE(m_field->isValid(), accepted);
        if (accepted) {
            QCOMPARE(m_field->value(), text.trimmed().toDouble());
            QVERIFY(m_field->styleSheet().isEmpty() && m_field->toolTip().isEmpty());
        } else {
            QCOMPARE(m_field->value(), 50.0);
            QVERIFY(m_field->styleSheet().contains("#ff7777"));
            QVERIFY(m_field->toolTip().endsWith("out of range"));
            QVERIFY(refused.at(0).at(0).toString().endsWith("out of range"));
        }
    }

    // The field shows a rounded value; leaving it without typing must not commit the rounded one.
    void untouchedFieldCommitsNothing() {
        m_field->setFormatter(new OneDecimal);
        m_field->setValue(0.0345);
        QCOMPARE(m_field->text(), QString("0.0"));
        QSignalSpy finished(m_field, &ValidatingLineEdit::editingFinishedSuccessfully);
        m_field->setFocus();
        QTest::keyClick(m_field, Qt::Key_Return);
        QTest::keyClick(m_field, Qt::Key_Tab);
        QVERIFY(m_next->hasFocus());
        QCOMPARE(finished.count(), 0);
        double value = 0;
        QVERIFY(m_field->currentValue(value));
        QCOMPARE(value, 0.0345); // the exact value, not the text

        // Enter and then leaving the field commit once.
        type("0.5", Qt::Key_Return);
        QTest::keyClick(m_field, Qt::Key_Tab);
        QCOMPARE(finished.count(), 1);
    }

    void refusedValueKeepsFocusAndEscapeRestores() {
        m_field->setup(0, Max, "must be > 0");
        m_field->setValue(3);
        QSignalSpy refused(m_field, &ValidatingLineEdit::editingRefused);
        type("-2", Qt::Key_Tab);
        QCOMPARE(refused.count(), 1);
        QVERIFY(m_field->hasFocus());
        QCOMPARE(m_field->toolTip(), QString("must be > 0"));
        QTest::keyClick(m_field, Qt::Key_Escape);
        QCOMPARE(m_field->text(), QString("3"));
        QVERIFY(m_field->isValid() && m_field->styleSheet().isEmpty());
        QTest::keyClick(m_field, Qt::Key_Tab);
        QVERIFY(m_next->hasFocus());
        QCOMPARE(refused.count(), 1);
    }

    // A validator adds its rule to the range and gives its own reason; the range still holds.
    void validatorAndRange() {
        m_field->setup(0, 100, "0 to 100");
        m_field->setValidator(new Below(10));
        m_field->setValue(5);
        type("20", Qt::Key_Return);
        QCOMPARE(m_field->toolTip(), QString("too large"));
        type("-1", Qt::Key_Return);
        QCOMPARE(m_field->toolTip(), QString("0 to 100"));
        type("7", Qt::Key_Return);
        QVERIFY(m_field->isValid());
        // a value shown that breaks the rules is marked as well, but never committed
        m_field->setValue(50);
        QVERIFY(!m_field->isValid());
        QCOMPARE(m_field->toolTip(), QString("too large"));
    }

    void germanNumbers() {
        QLocale german(QLocale::German, QLocale::Germany);
        german.setNumberOptions(QLocale::OmitGroupSeparator);
        QLocale::setDefault(german);
        m_field->setup(0, 1e6, "range");
        m_field->setValue(0.5);
        QCOMPARE(m_field->text(), QString("0,5"));
        type("0,04", Qt::Key_Return);
        QCOMPARE(m_field->value(), 0.04);
        // "1.234" would be 1234 with a group separator: refused instead
        type("1.234", Qt::Key_Return);
        QVERIFY(!m_field->isValid());
        QCOMPARE(m_field->value(), 0.04);
    }

    void colours() {
        QCOMPARE(m_field->palette().color(QPalette::Base), QColor("#f9f6c8"));
        m_field->setReadOnly(true);
        m_field->setValue(1);
        QCOMPARE(m_field->styleSheet(),
                 QString("QLineEdit:enabled { background-color: #d6e9ff; color: 'black'}"));
    }
};

QTEST_MAIN(tst_VaDar_ValidatingLineEdit)
#include "tst_VaDar_ValidatingLineEdit.moc"
