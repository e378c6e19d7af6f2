#pragma once

// The two spin fields of the calculator pages. Qt's own spin boxes refuse
// out-of-range typing; these let a typed number reach the calculation and
// bring the value into range only when stepped, set from code or left.

#include <QAbstractSpinBox>
#include <QtGlobal>

#include <limits>

// Integer field. Value() reads the text as it stands: empty reads 0, a text
// that is not a whole number reads MinValue, a typed number outside the range
// is read unchanged. Stepping, setValue and leaving the field bring it into
// range; Enter does not. Changing the limits leaves the text alone.
// DigitsOnly refuses every typed character but 0-9, the minus included.
class TsSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(qlonglong MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(qlonglong MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(qlonglong Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(qlonglong Value READ Value WRITE setValue)
    Q_PROPERTY(bool DigitsOnly READ DigitsOnly WRITE setDigitsOnly)

public:
    explicit TsSpinEdit(QWidget* parent = nullptr);

    qint64 Value() const;
    void setValue(qint64 value); // brought into range; fires changed() if the text changes

    qint64 MinValue() const { return min_; }
    qint64 MaxValue() const { return max_; }
    qint64 Increment() const { return increment_; }
    bool DigitsOnly() const { return digitsOnly_; }
    void setMinValue(qint64 v);
    void setMaxValue(qint64 v);
    void setIncrement(qint64 v) { increment_ = v; }
    void setDigitsOnly(bool on) { digitsOnly_ = on; }

    QString Text() const;
    void setText(const QString& text); // as typed: not brought into range

    void stepBy(int steps) override;

signals:
    void changed(); // once per change of the text, by the user or from code

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    qint64 clamped(qint64 v) const;
    qint64 stepped(int steps) const;
    void onTextChanged();

    // Most fields have no upper limit and hold no negative value.
    qint64 min_ = 0;
    qint64 max_ = std::numeric_limits<qint64>::max();
    qint64 increment_ = 1;
    bool digitsOnly_ = false;
};

// Decimal field. Value() is the typed number brought into range at once;
// empty text or not a number reads as 0 brought into range. The text shows
// DecimalPlaces decimals without trailing zeros, with the program's decimal
// separator; "," and "." are both accepted when typed. A minus can be typed
// only where MinValue < 0; other characters that cannot make a number are
// refused. Extra decimals may be typed and are rounded away on leaving.
class TsDecimalSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(double Value READ Value WRITE setValue)
    Q_PROPERTY(int DecimalPlaces READ DecimalPlaces WRITE setDecimalPlaces)

public:
    explicit TsDecimalSpinEdit(QWidget* parent = nullptr);

    double Value() const;
    void setValue(double value); // brought into range and rounded; fires changed() if it changes

    double MinValue() const { return min_; }
    double MaxValue() const { return max_; }
    double Increment() const { return increment_; }
    int DecimalPlaces() const { return decimals_; }
    void setMinValue(double v);
    void setMaxValue(double v);
    void setIncrement(double v) { increment_ = v; }
    void setDecimalPlaces(int n); // 0..15; a number on show is shown again

    QString Text() const;
    void setText(const QString& text); // as typed: text not corrected

    void stepBy(int steps) override;

signals:
    void changed();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double clamped(double v) const;
    double stepped(int steps) const;
    QString display(double v) const;
    void onTextChanged();

    double min_ = 0;
    double max_ = std::numeric_limits<double>::max();
    double increment_ = 1;
    int decimals_ = 2;
};
