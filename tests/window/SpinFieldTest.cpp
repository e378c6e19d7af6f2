// The integer and decimal spin fields: reading the text, bringing the value
// into range, refusing characters, stepping and the change signal.

#include "ui/ProgramNumberFormat.h"
#include "ui/TsSpinEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

constexpr qint64 kMin64 = std::numeric_limits<qint64>::min();
constexpr qint64 kMax64 = std::numeric_limits<qint64>::max();
constexpr double kMaxD = std::numeric_limits<double>::max();

// Opens the protected parts the arrow buttons are drawn and hit-tested from.
struct IntegerProbe : TsSpinEdit {
    using QAbstractSpinBox::initStyleOption;
    using TsSpinEdit::TsSpinEdit;
};
struct DecimalProbe : TsDecimalSpinEdit {
    using QAbstractSpinBox::initStyleOption;
    using TsDecimalSpinEdit::TsDecimalSpinEdit;
};

class SpinFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSeparator_ = ProgramNumberFormat().decimalSeparator;
        ProgramNumberFormat().decimalSeparator = ",";
        host_.resize(300, 100);
        other_ = new QLineEdit(&host_);
        other_->move(0, 60);
    }
    void TearDown() override { ProgramNumberFormat().decimalSeparator = savedSeparator_; }

    // Gives the field (a child of host_) the focus, then moves it away.
    void leave(QWidget& field) {
        host_.show();
        field.show();
        QApplication::setActiveWindow(&host_);
        field.setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(field.hasFocus());
        other_->setFocus(Qt::TabFocusReason);
        ASSERT_FALSE(field.hasFocus());
    }

    static void wheel(QWidget& field, int angle) {
        QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&field, &event);
    }

    QWidget host_;
    QLineEdit* other_ = nullptr;

private:
    std::string savedSeparator_;
};

void setRange(TsSpinEdit& f, qint64 min, qint64 max) {
    f.setMinValue(min);
    f.setMaxValue(max);
}

void setRange(TsDecimalSpinEdit& f, double min, double max, int decimals) {
    f.setMinValue(min);
    f.setMaxValue(max);
    f.setDecimalPlaces(decimals);
}

// --- Defaults and the properties the form sets --------------------------------

TEST_F(SpinFieldTest, DefaultsAndLook) {
    TsSpinEdit i;
    EXPECT_EQ(i.MinValue(), 0);
    EXPECT_EQ(i.MaxValue(), kMax64);
    EXPECT_EQ(i.Increment(), 1);
    EXPECT_FALSE(i.DigitsOnly());
    EXPECT_EQ(i.Text(), "0");
    EXPECT_EQ(i.Value(), 0);

    TsDecimalSpinEdit d;
    EXPECT_EQ(d.MinValue(), 0);
    EXPECT_EQ(d.MaxValue(), kMaxD);
    EXPECT_EQ(d.Increment(), 1);
    EXPECT_EQ(d.DecimalPlaces(), 2);
    EXPECT_EQ(d.Text(), "0");

    for (QAbstractSpinBox* f :
         {static_cast<QAbstractSpinBox*>(&i), static_cast<QAbstractSpinBox*>(&d)}) {
        EXPECT_TRUE(f->alignment() & Qt::AlignLeft);
        EXPECT_EQ(f->buttonSymbols(), QAbstractSpinBox::UpDownArrows);
        EXPECT_TRUE(f->keyboardTracking());
    }
}

TEST_F(SpinFieldTest, FormSetsPropertiesByNameAndConnectsChanged) {
    TsSpinEdit i;
    int fired = 0;
    QObject::connect(&i, SIGNAL(changed()), other_, SLOT(clear()));
    QObject::connect(&i, &TsSpinEdit::changed, [&] { ++fired; });
    EXPECT_TRUE(i.setProperty("MinValue", qlonglong(-100)));
    EXPECT_TRUE(i.setProperty("MaxValue", qlonglong(200)));
    EXPECT_TRUE(i.setProperty("Increment", qlonglong(5)));
    EXPECT_TRUE(i.setProperty("DigitsOnly", true));
    EXPECT_TRUE(i.setProperty("Value", qlonglong(30)));
    EXPECT_EQ(i.Text(), "30");
    EXPECT_EQ(i.property("Value").toLongLong(), 30);
    EXPECT_EQ(fired, 1);
    i.stepBy(1);
    EXPECT_EQ(i.Text(), "35");

    TsDecimalSpinEdit d;
    EXPECT_TRUE(d.setProperty("MinValue", 1.0));
    EXPECT_TRUE(d.setProperty("MaxValue", 3.0));
    EXPECT_TRUE(d.setProperty("Increment", 0.1));
    EXPECT_TRUE(d.setProperty("Value", 2.5));
    EXPECT_TRUE(d.setProperty("DecimalPlaces", 1));
    EXPECT_EQ(d.Text(), "2,5");
    EXPECT_DOUBLE_EQ(d.property("Value").toDouble(), 2.5);
}

// --- Integer field --------------------------------------------------------------

TEST_F(SpinFieldTest, IntegerReadsItsText) {
    struct Case {
        qint64 min, max;
        const char* text;
        qint64 value;
    };
    const Case cases[] = {
        {0, kMax64, "", 0},
        {1, 160, "", 0}, // empty reads 0 even below the range
        {0, kMax64, "  ", 0},
        {-100, 200, "-", -100},
        {1, 160, "1-2", 1},
        {1, 160, "abc", 1},
        {3, kMax64, "4 2", 3},
        {5, kMax64, "99999999999999999999", 5},
        {5, kMax64, "9223372036854775808", 5},
        {0, kMax64, "9223372036854775807", kMax64},
        {kMin64, kMax64, "-9223372036854775808", kMin64},
        {-100, 200, "300", 300}, // out of range reaches the caller
        {-100, 200, "-150", -150},
        {1, 24, "0", 0},
        {0, kMax64, " 42 ", 42},
        {0, kMax64, "007", 7},
        {-100, 200, "+7", 7},
        {-100, 200, "-0", 0},
        {0, kMax64, "\u0663", 0}, // a digit of another script is not a whole number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TsSpinEdit f;
        setRange(f, c.min, c.max);
        f.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(f.Text(), QString::fromUtf8(c.text)); // setText is not corrected
        EXPECT_EQ(f.Value(), c.value);
    }
}

TEST_F(SpinFieldTest, IntegerTypedOutOfRangeStaysUntilLeft) {
    TsSpinEdit f(&host_);
    setRange(f, -100, 200);
    f.setDigitsOnly(true);
    f.setText("");
    QTest::keyClicks(&f, "300");
    EXPECT_EQ(f.Value(), 300);
    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_EQ(f.Text(), "300"); // Enter does not correct
    leave(f);
    EXPECT_EQ(f.Text(), "200");
}

TEST_F(SpinFieldTest, IntegerSetFromCodeOrLeftIsBroughtIntoRange) {
    struct Set {
        qint64 min, max, value;
        const char* text;
    };
    const Set sets[] = {
        {-100, 200, 500, "200"},
        {-100, 200, -500, "-100"},
        {1, 160, 0, "1"},
        {0, kMax64, kMin64, "0"},
        {kMin64, kMax64, kMin64, "-9223372036854775808"},
    };
    for (const Set& c : sets) {
        SCOPED_TRACE(c.value);
        TsSpinEdit f;
        setRange(f, c.min, c.max);
        f.setValue(c.value);
        EXPECT_EQ(f.Text(), c.text);
    }

    struct Left {
        qint64 min, max;
        const char* typed;
        const char* shown;
    };
    const Left lefts[] = {
        {-100, 200, "300", "200"},  {1, 160, "", "1"},       {0, kMax64, "", "0"},
        {-100, 200, "1-2", "-100"}, {0, kMax64, "007", "7"}, {-100, 200, "42", "42"},
    };
    for (const Left& c : lefts) {
        SCOPED_TRACE(c.typed);
        TsSpinEdit f(&host_);
        setRange(f, c.min, c.max);
        f.setText(c.typed);
        leave(f);
        EXPECT_EQ(f.Text(), c.shown);
    }
}

TEST_F(SpinFieldTest, IntegerStepsSaturateAtTheLimits) {
    struct Case {
        qint64 min, max, increment;
        const char* text;
        int steps;
        const char* shown;
        int changes;
    };
    const Case cases[] = {
        {-100, 200, 1, "-100", -1, "-100", 0},
        {-100, 200, 1, "200", 1, "200", 0},
        {-100, 200, 1, "199", 5, "200", 1},
        {-100, 200, 1, "0", -1, "-1", 1},
        {-100, 200, 1, "300", -1, "200", 1}, // stepped from the typed number, then ranged
        {1, kMax64, 1, "1", -1, "1", 0},
        {1, kMax64, 1, "", 1, "1", 1},    // empty reads 0
        {-100, 200, 1, "-", 1, "-99", 1}, // not a number reads the lower limit
        {0, kMax64, 1000, "51000", 1, "52000", 1},
        {0, kMax64, 1000, "51000", -3, "48000", 1},
        {0, kMax64, 1000, "500", -1, "0", 1},
        {0, kMax64, 1000, "9223372036854775000", 1, "9223372036854775807", 1},
        {kMin64, kMax64, 1, "-9223372036854775808", -1, "-9223372036854775808", 0},
        {0, kMax64, kMax64 / 2, "0", 1000, "9223372036854775807", 1},
        {kMin64, kMax64, kMax64 / 2, "0", -1000, "-9223372036854775808", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " by " + std::to_string(c.steps));
        TsSpinEdit f;
        setRange(f, c.min, c.max);
        f.setIncrement(c.increment);
        f.setText(c.text);
        QSignalSpy spy(&f, &TsSpinEdit::changed);
        f.stepBy(c.steps);
        EXPECT_EQ(f.Text(), c.shown);
        EXPECT_EQ(spy.count(), c.changes);
    }
}

TEST_F(SpinFieldTest, IntegerStepsByKeysWheelAndArrow) {
    IntegerProbe f(&host_);
    f.setIncrement(1000);
    f.setValue(51000);
    f.resize(120, 24);
    host_.show();

    QTest::keyClick(&f, Qt::Key_Up);
    EXPECT_EQ(f.Text(), "52000");
    QTest::keyClick(&f, Qt::Key_Down);
    EXPECT_EQ(f.Text(), "51000");
    QTest::keyClick(&f, Qt::Key_PageUp); // ten steps
    EXPECT_EQ(f.Text(), "61000");
    QTest::keyClick(&f, Qt::Key_PageDown);
    EXPECT_EQ(f.Text(), "51000");
    wheel(f, 120);
    EXPECT_EQ(f.Text(), "52000");
    wheel(f, -240);
    EXPECT_EQ(f.Text(), "50000");

    QStyleOptionSpinBox option;
    f.initStyleOption(&option);
    const QRect up =
        f.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &f);
    const QRect down =
        f.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, &f);
    QTest::mouseClick(&f, Qt::LeftButton, {}, up.center());
    EXPECT_EQ(f.Text(), "51000");
    QTest::mouseClick(&f, Qt::LeftButton, {}, down.center());
    EXPECT_EQ(f.Text(), "50000");

    // At a limit its arrow is greyed and the key and the wheel do nothing.
    f.setMaxValue(60000);
    QSignalSpy spy(&f, &TsSpinEdit::changed);
    f.setValue(0);
    f.initStyleOption(&option);
    EXPECT_EQ(option.stepEnabled, QAbstractSpinBox::StepUpEnabled);
    QTest::keyClick(&f, Qt::Key_Down);
    wheel(f, -120);
    EXPECT_EQ(f.Text(), "0");
    f.setValue(60000);
    f.initStyleOption(&option);
    EXPECT_EQ(option.stepEnabled, QAbstractSpinBox::StepDownEnabled);
    QTest::keyClick(&f, Qt::Key_Up);
    wheel(f, 120);
    EXPECT_EQ(f.Text(), "60000");
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(SpinFieldTest, DigitsOnlyRefusesOtherCharacters) {
    TsSpinEdit f;
    setRange(f, -100, 200);
    f.setDigitsOnly(true);
    f.setText("");
    QSignalSpy spy(&f, &TsSpinEdit::changed);
    QTest::keyClicks(&f, "-1a-2.3 ");
    EXPECT_EQ(f.Text(), "123");
    EXPECT_EQ(spy.count(), 3);

    // The arrows still reach negative values, and typing after them is
    // still filtered.
    f.setValue(0);
    f.stepBy(-1);
    EXPECT_EQ(f.Text(), "-1");
    QTest::keyClick(&f, Qt::Key_End);
    QTest::keyClicks(&f, "x-5");
    EXPECT_EQ(f.Text(), "-15");

    TsSpinEdit free;
    setRange(free, 1, 160);
    free.setText("");
    QTest::keyClicks(&free, "1-2");
    EXPECT_EQ(free.Text(), "1-2");
    EXPECT_EQ(free.Value(), 1);
}

TEST_F(SpinFieldTest, IntegerFiresChangedOncePerChangeOfText) {
    TsSpinEdit f(&host_);
    setRange(f, 0, 200);
    f.setDigitsOnly(true);
    QSignalSpy spy(&f, &TsSpinEdit::changed);

    f.setText("5");
    EXPECT_EQ(spy.count(), 1);
    f.setText("5");
    f.setValue(5);
    EXPECT_EQ(spy.count(), 1);
    QTest::keyClick(&f, Qt::Key_End);
    QTest::keyClicks(&f, "12a");
    EXPECT_EQ(spy.count(), 3);
    QTest::keyClick(&f, Qt::Key_Backspace);
    EXPECT_EQ(f.Text(), "51");
    EXPECT_EQ(spy.count(), 4);
    f.setValue(900);
    EXPECT_EQ(f.Text(), "200");
    EXPECT_EQ(spy.count(), 5);
    leave(f); // already in range: nothing to correct
    EXPECT_EQ(spy.count(), 5);
    f.setText("250");
    leave(f);
    EXPECT_EQ(f.Text(), "200");
    EXPECT_EQ(spy.count(), 7);
}

// --- Decimal field --------------------------------------------------------------

TEST_F(SpinFieldTest, DecimalReadsTypedNumberInRange) {
    struct Case {
        double min, max;
        std::string text;
        double value;
    };
    const Case cases[] = {
        {1, 3, "5", 3},
        {0.01, 1, "", 0.01},
        {0, 1600, "", 0},
        {1, 3, "", 1},
        {0.01, 1, "0", 0.01},
        {0.01, 1, "0,", 0.01},
        {0, 1, "0,25", 0.25},
        {0, 1, "0.25", 0.25},
        {0, 1, "0,256", 0.256}, // read as typed, rounded only when corrected
        {0, 1600, "2,", 2},
        {0, 1600, ",5", 0.5},
        {0, 1600, "abc", 0},
        {0, 1600, "1,2,3", 0},
        {0, 1600, "1,2.3", 0},
        {0, 1600, "1e3", 0},
        {1.5, 1600, "-", 1.5},
        {0, 1600, "-5", 0},
        {-10, 10, "-2,5", -2.5},
        {0, kMaxD, "1" + std::string(400, '0'), kMaxD},
        {1, 3, "0," + std::string(400, '0') + "1", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TsDecimalSpinEdit f;
        setRange(f, c.min, c.max, 2);
        f.setText(QString::fromStdString(c.text));
        EXPECT_EQ(f.Text().toStdString(), c.text);
        EXPECT_DOUBLE_EQ(f.Value(), c.value);
    }
}

TEST_F(SpinFieldTest, DecimalTypingPassesThroughIncompleteNumbers) {
    TsDecimalSpinEdit f;
    setRange(f, 0.01, 1, 2);
    f.setText("");
    QSignalSpy spy(&f, &TsDecimalSpinEdit::changed);
    const struct {
        char key;
        const char* text;
        double value;
    } steps[] = {{'0', "0", 0.01}, {',', "0,", 0.01}, {'2', "0,2", 0.2}, {'5', "0,25", 0.25}};
    for (const auto& s : steps) {
        QTest::keyClick(&f, s.key);
        EXPECT_EQ(f.Text(), s.text);
        EXPECT_DOUBLE_EQ(f.Value(), s.value);
    }
    EXPECT_EQ(spy.count(), 4);
}

TEST_F(SpinFieldTest, DecimalRefusesWhatCannotBeANumber) {
    struct Case {
        double min;
        const char* typed;
        const char* text;
    };
    const Case cases[] = {
        {0, "1a,2,3-x ", "1,23"}, {0, "1.2,3", "1.23"}, {0, "-5", "5"},
        {-10, "-2,5", "-2,5"},    {-10, "2-5", "25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TsDecimalSpinEdit f;
        setRange(f, c.min, 1600, 1);
        f.setText("");
        QTest::keyClicks(&f, c.typed);
        EXPECT_EQ(f.Text(), c.text);
    }
}

TEST_F(SpinFieldTest, DecimalShowsItsDecimalsWithoutTrailingZeros) {
    struct Case {
        double min, max;
        int decimals;
        double value;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {0, 1600, 1, 35, ",", "35"},
        {1, 3, 1, 2.5, ",", "2,5"},
        {0, 1, 2, 0.29, ",", "0,29"},
        {0, 1, 2, 0.2, ".", "0.2"},
        {0, 1600, 1, 2.46, ",", "2,5"},
        {0, 1, 2, 0.999, ",", "1"},
        {0, 1, 2, 5, ",", "1"},
        {0, 1600, 1, -3, ",", "0"},
        {0.01, 1, 2, 0, ",", "0,01"},
        {-1, 1, 2, -0.001, ",", "0"},
        {1.5, 1600, 1, 1600.04, ",", "1600"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProgramNumberFormat().decimalSeparator = c.separator;
        TsDecimalSpinEdit f;
        setRange(f, c.min, c.max, c.decimals);
        f.setValue(c.value);
        EXPECT_EQ(f.Text(), c.text);
    }

    ProgramNumberFormat().decimalSeparator = ",";
    TsDecimalSpinEdit f;
    f.setValue(2.46);
    EXPECT_EQ(f.Text(), "2,46");
    f.setDecimalPlaces(1); // a number on show takes the new form
    EXPECT_EQ(f.Text(), "2,5");
    f.setText("");
    f.setDecimalPlaces(2);
    EXPECT_EQ(f.Text(), "");
}

TEST_F(SpinFieldTest, DecimalCorrectedWhenLeftNotOnEnter) {
    struct Case {
        double min, max;
        int decimals;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {0.01, 1, 2, "", "0,01"},  {0, 1, 2, "0,256", "0,26"}, {1, 3, 1, "5", "3"},
        {0, 1600, 1, "0,", "0"},   {0, 1, 2, "0.5", "0,5"},    {0, 1600, 1, "abc", "0"},
        {0, 1600, 1, "035", "35"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TsDecimalSpinEdit f(&host_);
        setRange(f, c.min, c.max, c.decimals);
        f.setText(c.typed);
        QTest::keyClick(&f, Qt::Key_Enter);
        EXPECT_EQ(f.Text(), c.typed);
        leave(f);
        EXPECT_EQ(f.Text(), c.shown);
    }
}

TEST_F(SpinFieldTest, DecimalStepsFromTheValueRounded) {
    struct Case {
        double min, max, increment;
        int decimals;
        const char* text;
        int steps;
        const char* shown;
        int changes;
    };
    const Case cases[] = {
        {0, 1, 0.01, 2, "0,29", 1, "0,3", 1},
        {1, 3, 0.1, 1, "3", 1, "3", 0},
        {1, 3, 0.1, 1, "1", -1, "1", 0},
        {1, 3, 0.1, 1, "5", -1, "2,9", 1}, // typed beyond the range reads 3
        {0.01, 1, 0.01, 2, "", 1, "0,02", 1},
        {0, 1600, 1, 1, "35,44", 1, "36,4", 1},
        {0, 1600, 1, 1, "1600", 1, "1600", 0},
        {0, kMaxD, 1, 1, "8", -9, "0", 1},
        {0, 1, 0.01, 2, "0.5", 0, "0,5", 1}, // a step of none still corrects the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " by " + std::to_string(c.steps));
        TsDecimalSpinEdit f;
        setRange(f, c.min, c.max, c.decimals);
        f.setIncrement(c.increment);
        f.setText(c.text);
        QSignalSpy spy(&f, &TsDecimalSpinEdit::changed);
        f.stepBy(c.steps);
        EXPECT_EQ(f.Text(), c.shown);
        EXPECT_EQ(spy.count(), c.changes);
    }

    // Repeated small steps do not gather binary error.
    TsDecimalSpinEdit f;
    setRange(f, 0.01, 1, 2);
    f.setIncrement(0.01);
    f.setValue(0.01);
    for (int i = 0; i < 28; ++i)
        f.stepBy(1);
    EXPECT_EQ(f.Text(), "0,29");
    for (int i = 0; i < 100; ++i)
        f.stepBy(1);
    EXPECT_EQ(f.Text(), "1");
}

TEST_F(SpinFieldTest, DecimalStepsByKeysAndWheel) {
    DecimalProbe f;
    setRange(f, 0, 1, 2);
    f.setIncrement(0.01);
    f.setValue(0.29);
    QTest::keyClick(&f, Qt::Key_Up);
    EXPECT_EQ(f.Text(), "0,3");
    QTest::keyClick(&f, Qt::Key_PageDown);
    EXPECT_EQ(f.Text(), "0,2");
    wheel(f, 120);
    EXPECT_EQ(f.Text(), "0,21");
    QTest::keyClick(&f, Qt::Key_Down);
    EXPECT_EQ(f.Text(), "0,2");

    QStyleOptionSpinBox option;
    f.setValue(1);
    f.initStyleOption(&option);
    EXPECT_EQ(option.stepEnabled, QAbstractSpinBox::StepDownEnabled);
    f.setText("");
    f.initStyleOption(&option); // a cleared field reads 0, the lower limit
    EXPECT_EQ(option.stepEnabled,
              QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled);
}

TEST_F(SpinFieldTest, DecimalAcceptsEitherSeparatorAndShowsTheProgramOne) {
    for (const char* separator : {",", "."}) {
        SCOPED_TRACE(separator);
        ProgramNumberFormat().decimalSeparator = separator;
        const QString other = QString(separator) == "," ? "." : ",";
        TsDecimalSpinEdit f(&host_);
        setRange(f, 0, 1600, 1);
        f.setText("");
        QTest::keyClicks(&f, "2" + other + "5");
        EXPECT_EQ(f.Text(), "2" + other + "5");
        EXPECT_DOUBLE_EQ(f.Value(), 2.5);
        leave(f);
        EXPECT_EQ(f.Text(), QString("2") + separator + "5");
        f.stepBy(1);
        EXPECT_EQ(f.Text(), QString("3") + separator + "5");
    }
}

TEST_F(SpinFieldTest, DecimalFiresChangedOncePerChangeOfText) {
    TsDecimalSpinEdit f(&host_);
    setRange(f, 0, 1, 2);
    f.setIncrement(0.01);
    QSignalSpy spy(&f, &TsDecimalSpinEdit::changed);
    f.setValue(0.29);
    f.setValue(0.29);
    f.setText("0,29");
    EXPECT_EQ(spy.count(), 1);
    QTest::keyClick(&f, Qt::Key_End);
    QTest::keyClicks(&f, "6x");
    EXPECT_EQ(spy.count(), 2);
    leave(f); // "0,296" becomes "0,3"
    EXPECT_EQ(f.Text(), "0,3");
    EXPECT_EQ(spy.count(), 3);
    leave(f);
    EXPECT_EQ(spy.count(), 3);
    f.setValue(1);
    f.stepBy(1);
    EXPECT_EQ(spy.count(), 4);
}

} // namespace
