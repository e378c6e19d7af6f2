#include "ui/TsSpinEdit.h"

#include "ui/ProgramNumberFormat.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr qint64 kInt64Min = std::numeric_limits<qint64>::min();
constexpr qint64 kInt64Max = std::numeric_limits<qint64>::max();

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A whole number: optional sign, ASCII digits only, within 64 bits.
bool parseWhole(QStringView s, qint64& out) {
    qsizetype i = 0;
    bool negative = false;
    if (!s.isEmpty() && (s[0] == u'-' || s[0] == u'+')) {
        negative = s[0] == u'-';
        i = 1;
    }
    if (i == s.size())
        return false;
    // Accumulated as a negative number so that the lowest 64-bit value fits.
    qint64 acc = 0;
    for (; i < s.size(); ++i) {
        if (!isAsciiDigit(s[i]))
            return false;
        if (__builtin_mul_overflow(acc, qint64(10), &acc) ||
            __builtin_sub_overflow(acc, qint64(s[i].unicode() - u'0'), &acc))
            return false;
    }
    if (!negative) {
        if (acc == kInt64Min)
            return false;
        acc = -acc;
    }
    out = acc;
    return true;
}

bool isSeparator(QChar c) {
    if (c == u',' || c == u'.')
        return true;
    const QString program = ProgramDecimalSeparator();
    return program.size() == 1 && c == program.at(0);
}

// A decimal number: optional sign, digits with at most one separator, at
// least one digit. Numbers beyond the double range read as infinity (then
// brought into range), those below it as zero.
bool parseDecimal(QStringView s, double& out) {
    std::string text;
    text.reserve(s.size());
    qsizetype i = 0;
    bool negative = false;
    if (!s.isEmpty() && (s[0] == u'-' || s[0] == u'+')) {
        negative = s[0] == u'-';
        i = 1;
    }
    bool separator = false;
    bool digit = false;
    bool wholePart = false; // a non-zero digit before the separator
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (isAsciiDigit(c)) {
            digit = true;
            wholePart = wholePart || (!separator && c != u'0');
            text += char(c.unicode());
        } else if (isSeparator(c) && !separator) {
            separator = true;
            text += '.';
        } else {
            return false;
        }
    }
    if (!digit)
        return false;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range)
        v = wholePart ? std::numeric_limits<double>::infinity() : 0.0;
    else if (ec != std::errc() || end != text.data() + text.size())
        return false;
    out = negative ? -v : v;
    return true;
}

double roundTo(double x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    // Beyond 2^52 a double holds no fraction to round away.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1p52)
        return x;
    return std::round(scaled) / scale;
}

// A printable character typed without a shortcut modifier; such keys are
// the ones a field may refuse.
bool isTypedText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

} // namespace

// --- Integer field ----------------------------------------------------------

TsSpinEdit::TsSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setButtonSymbols(UpDownArrows);
    setKeyboardTracking(true);
    setWrapping(false);
    lineEdit()->setText(QStringLiteral("0"));
    // QLineEdit reports a change of the text only, so a text set again fires
    // nothing.
    connect(lineEdit(), &QLineEdit::textChanged, this, &TsSpinEdit::onTextChanged);
}

qint64 TsSpinEdit::Value() const {
    const QString text = lineEdit()->text().trimmed();
    if (text.isEmpty())
        return 0;
    qint64 v = 0;
    return parseWhole(text, v) ? v : min_;
}

void TsSpinEdit::setValue(qint64 value) {
    setText(QString::number(clamped(value)));
}

void TsSpinEdit::setMinValue(qint64 v) {
    min_ = v;
    max_ = std::max(max_, v);
    update();
}

void TsSpinEdit::setMaxValue(qint64 v) {
    max_ = v;
    min_ = std::min(min_, v);
    update();
}

QString TsSpinEdit::Text() const {
    return lineEdit()->text();
}

void TsSpinEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

qint64 TsSpinEdit::clamped(qint64 v) const {
    return std::clamp(v, min_, max_);
}

qint64 TsSpinEdit::stepped(int steps) const {
    qint64 delta = 0;
    if (__builtin_mul_overflow(qint64(steps), increment_, &delta))
        delta = (steps < 0) != (increment_ < 0) ? kInt64Min : kInt64Max;
    qint64 v = 0;
    if (__builtin_add_overflow(Value(), delta, &v))
        v = delta < 0 ? kInt64Min : kInt64Max;
    return clamped(v);
}

void TsSpinEdit::stepBy(int steps) {
    const QString target = QString::number(stepped(steps));
    if (target != Text())
        setText(target);
    if (style()->styleHint(QStyle::SH_SpinBox_SelectOnStep, nullptr, this))
        selectAll();
}

QAbstractSpinBox::StepEnabled TsSpinEdit::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    // A step is offered when it would change the text, so that at a limit
    // the arrow is greyed and does nothing.
    StepEnabled enabled = StepNone;
    if (QString::number(stepped(1)) != Text())
        enabled |= StepUpEnabled;
    if (QString::number(stepped(-1)) != Text())
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State TsSpinEdit::validate(QString& input, int&) const {
    if (!digitsOnly_)
        return QValidator::Acceptable;
    // A leading minus may come from stepping or from code (or a paste) where
    // the range allows negative values; typing one is refused by
    // keyPressEvent.
    const qsizetype start = min_ < 0 && input.startsWith(u'-') ? 1 : 0;
    for (qsizetype i = start; i < input.size(); ++i)
        if (!isAsciiDigit(input[i]))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

void TsSpinEdit::fixup(QString&) const {
    // Left empty on purpose: the text is corrected on leaving only, in
    // focusOutEvent, and Qt must not rewrite it on Enter.
}

void TsSpinEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu or another application taking the focus does not leave
    // the field.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setValue(Value());
    QAbstractSpinBox::focusOutEvent(event);
}

void TsSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (digitsOnly_ && isTypedText(event)) {
        const QString text = event->text();
        if (!std::all_of(text.begin(), text.end(), isAsciiDigit)) {
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TsSpinEdit::onTextChanged() {
    update(); // the arrows' enabled state follows the text
    emit changed();
}

// --- Decimal field ----------------------------------------------------------

TsDecimalSpinEdit::TsDecimalSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setButtonSymbols(UpDownArrows);
    setKeyboardTracking(true);
    setWrapping(false);
    lineEdit()->setText(QStringLiteral("0"));
    // QLineEdit reports a change of the text only, so a text set again fires
    // nothing.
    connect(lineEdit(), &QLineEdit::textChanged, this, &TsDecimalSpinEdit::onTextChanged);
}

double TsDecimalSpinEdit::Value() const {
    double v = 0;
    if (!parseDecimal(lineEdit()->text().trimmed(), v))
        v = 0;
    return clamped(v);
}

void TsDecimalSpinEdit::setValue(double value) {
    setText(display(clamped(std::isnan(value) ? 0.0 : value)));
}

void TsDecimalSpinEdit::setMinValue(double v) {
    if (std::isnan(v))
        return;
    min_ = v;
    max_ = std::max(max_, v);
    update();
}

void TsDecimalSpinEdit::setMaxValue(double v) {
    if (std::isnan(v))
        return;
    max_ = v;
    min_ = std::min(min_, v);
    update();
}

void TsDecimalSpinEdit::setDecimalPlaces(int n) {
    decimals_ = std::clamp(n, 0, 15);
    // A number on show is shown again in the new form; typing in progress
    // (empty, "-") is left alone.
    double v = 0;
    if (parseDecimal(Text().trimmed(), v))
        setValue(v);
}

QString TsDecimalSpinEdit::Text() const {
    return lineEdit()->text();
}

void TsDecimalSpinEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

double TsDecimalSpinEdit::clamped(double v) const {
    if (std::isnan(v))
        return min_;
    return std::clamp(v, min_, max_);
}

double TsDecimalSpinEdit::stepped(int steps) const {
    return clamped(roundTo(Value() + steps * increment_, decimals_));
}

QString TsDecimalSpinEdit::display(double v) const {
    // + 0.0 turns a negative zero into zero.
    QString text = QString::number(roundTo(v, decimals_) + 0.0, 'f', decimals_);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == u"-0")
        text = QStringLiteral("0");
    return text.replace(u'.', ProgramDecimalSeparator());
}

void TsDecimalSpinEdit::stepBy(int steps) {
    const QString target = display(stepped(steps));
    if (target != Text())
        setText(target);
    if (style()->styleHint(QStyle::SH_SpinBox_SelectOnStep, nullptr, this))
        selectAll();
}

QAbstractSpinBox::StepEnabled TsDecimalSpinEdit::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (display(stepped(1)) != Text())
        enabled |= StepUpEnabled;
    if (display(stepped(-1)) != Text())
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State TsDecimalSpinEdit::validate(QString& input, int&) const {
    // Digits, one separator of either kind, and a leading minus only where
    // the range holds negative values; incomplete numbers ("", "-", "0,")
    // are accepted so that typing can pass through them.
    qsizetype i = min_ < 0 && input.startsWith(u'-') ? 1 : 0;
    bool separator = false;
    for (; i < input.size(); ++i) {
        const QChar c = input[i];
        if (isAsciiDigit(c))
            continue;
        if (isSeparator(c) && !separator) {
            separator = true;
            continue;
        }
        return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

void TsDecimalSpinEdit::fixup(QString&) const {
    // Left empty on purpose, as in the integer field.
}

void TsDecimalSpinEdit::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setValue(Value());
    QAbstractSpinBox::focusOutEvent(event);
}

void TsDecimalSpinEdit::keyPressEvent(QKeyEvent* event) {
    // Characters that can never be part of a number are refused at the key;
    // a second separator or a misplaced minus is refused by validate().
    if (isTypedText(event)) {
        const QString text = event->text();
        const bool allowed = std::all_of(text.begin(), text.end(), [this](QChar c) {
            return isAsciiDigit(c) || isSeparator(c) || (c == u'-' && min_ < 0);
        });
        if (!allowed) {
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TsDecimalSpinEdit::onTextChanged() {
    update();
    emit changed();
}
